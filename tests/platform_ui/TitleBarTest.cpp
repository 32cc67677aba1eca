// What a dialog asks of the desktop's title bar: none without a caption, for the desktop would
// fill an empty one with the program's name.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QWindow>
#include <gtest/gtest.h>

namespace {

constexpr UINT kTitleDialog = 9411;

} // namespace

TEST(TitleBar, OnlyADialogWithACaptionHasOneAndOnlyASystemMenuGivesItAClosingBox)
{
    const struct {
        DWORD style;
        bool frameless, title, close;
    } cases[] = {
        {0, true, false, false},
        {WS_SYSMENU, true, false, false},
        {WS_CAPTION, false, true, false},
        {WS_CAPTION | WS_SYSMENU, false, true, true},
    };
    for (const auto& c : cases) {
        DialogTemplate dialogTemplate;
        dialogTemplate.id = kTitleDialog;
        dialogTemplate.caption = "";
        dialogTemplate.cx = 100;
        dialogTemplate.cy = 40;
        dialogTemplate.style = c.style;
        RegisterDialogTemplate(dialogTemplate);
        CDialog dialog(kTitleDialog);
        ASSERT_TRUE(dialog.Create(kTitleDialog));
        dialog.ShowWindow(SW_SHOW);
        // What the platform hands the desktop.
        const QWindow* window = platform::ui::detail::WidgetOf(dialog.m_hWnd)->windowHandle();
        ASSERT_NE(window, nullptr);
        const Qt::WindowFlags flags = window->flags();
        EXPECT_EQ(flags.testFlag(Qt::FramelessWindowHint), c.frameless) << std::hex << c.style;
        EXPECT_EQ(flags.testFlag(Qt::WindowTitleHint), c.title) << std::hex << c.style;
        EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.close) << std::hex << c.style;
        EXPECT_EQ(window->type(), Qt::Dialog);
        dialog.DestroyWindow();
    }
}
