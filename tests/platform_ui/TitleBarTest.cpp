// What a dialog asks of the desktop's title bar, or under Wayland shows in its own: none without a
// caption, for the desktop would fill an empty one with the program's name.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "TwoScreens.h"
#include "DesktopView.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/OwnTitleBar.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <optional>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr UINT kTitleDialog = 9411;

// The height of the title bar and frame the window manager put above the window; -1 before it says.
int FrameTop(const QWindow& window)
{
    const std::optional<QMargins> frame = XFrameExtents(window);
    return frame ? frame->top() : -1;
}

} // namespace

TEST(TitleBar, OnlyADialogWithACaptionHasOneAndOnlyASystemMenuGivesItAClosingBox)
{
    const struct {
        DWORD style;
        bool frameless, title, close, minimise;
    } cases[] = {
        {0, true, false, false, false},
        {WS_SYSMENU, true, false, false, false},
        {WS_CAPTION, false, true, false, false},
        {WS_CAPTION | WS_SYSMENU, false, true, true, false},
        {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, false, true, true, true},
    };
    // Under Wayland the program draws the title bar itself, in place of the toolkit's.
    const bool ownBar = QGuiApplication::platformName() == "wayland";
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
        QWidget* widget = platform::ui::detail::WidgetOf(dialog.m_hWnd);
        const QWindow* window = widget->windowHandle();
        ASSERT_NE(window, nullptr);
        const Qt::WindowFlags flags = window->flags();
        EXPECT_EQ(flags.testFlag(Qt::FramelessWindowHint), c.frameless || ownBar) << std::hex << c.style;
        EXPECT_EQ(window->type(), Qt::Dialog);
        if (ownBar) {
            const platform::ui::detail::TitleBarBoxes boxes = platform::ui::detail::OwnTitleBarBoxes(*widget);
            EXPECT_EQ(boxes.bar != nullptr, c.title) << std::hex << c.style;
            EXPECT_EQ(!boxes.close.isEmpty(), c.close) << std::hex << c.style;
            EXPECT_EQ(!boxes.minimise.isEmpty(), c.minimise) << std::hex << c.style;
            EXPECT_TRUE(boxes.maximise.isEmpty()) << "a window of fixed size, style " << std::hex << c.style;
        } else {
            EXPECT_EQ(flags.testFlag(Qt::WindowTitleHint), c.title) << std::hex << c.style;
            EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.close) << std::hex << c.style;
            EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), c.minimise) << std::hex << c.style;
        }
        if (TestDesktop() == "openbox-1600x1000") {
            int top = -1;
            platform::ui::PumpEventsUntil([&] { return (top = FrameTop(*window)) >= 0; });
            EXPECT_EQ(top > 1, c.title) << "the window manager's title bar, style " << std::hex << c.style;
        }
        dialog.DestroyWindow();
    }
}
