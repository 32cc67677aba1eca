// A dialog the program places before it shows lies there for the points it maps, also on an X
// server where the window manager frames it: a control's place on the screen, where a popup
// opens under it, comes from there.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "TwoScreens.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr UINT kPlacedDialog = 9412;

// Without a caption the window manager adds no frame: the client area lies where it is put.
void RegisterPlacedDialog(DWORD style)
{
    RegisterDialogTemplate({.id = kPlacedDialog, .caption = "", .cx = 120, .cy = 60, .style = style, .controls = {}});
}

bool Exposed(const CWnd& window)
{
    const QWindow* handle = platform::ui::detail::WidgetOf(window.m_hWnd)->windowHandle();
    return handle && handle->isExposed();
}

CPoint ClientOrigin(const CWnd& window)
{
    CPoint origin(0, 0);
    window.ClientToScreen(&origin);
    return origin;
}

} // namespace

TEST(PlacedWindows, ADialogPlacedBeforeItShowsMapsItsPointsFromThere)
{
    SKIP_UNLESS_ON_A_1600_BY_1000_SCREEN();
    RegisterPlacedDialog(0);
    CDialog owner(kPlacedDialog);
    ASSERT_TRUE(owner.Create(kPlacedDialog));
    owner.MoveWindow(900, 600, 200, 100);
    owner.ShowWindow(SW_SHOW);
    const struct {
        DWORD style;  // a fixed size unless it has a sizing frame
        bool owned;
        CPoint place;
    } cases[] = {
        {0, false, {100, 100}},           {0, true, {300, 150}},
        {WS_THICKFRAME, false, {500, 200}}, {WS_THICKFRAME, true, {700, 250}},
        {0, false, {120, 500}},           {0, true, {1100, 700}},
    };
    for (const auto& c : cases) {
        RegisterPlacedDialog(c.style);
        auto dialog = std::make_unique<CDialog>(kPlacedDialog);
        ASSERT_TRUE(dialog->Create(kPlacedDialog, c.owned ? &owner : nullptr));
        dialog->MoveWindow(c.place.x, c.place.y, 200, 100);
        dialog->ShowWindow(SW_SHOW);
        // Shown once the window manager has framed and placed it.
        EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return Exposed(*dialog) && ClientOrigin(*dialog) == c.place; }))
            << c.place.x << "," << c.place.y << " style " << c.style << (c.owned ? " owned" : "") << ": maps from "
            << ClientOrigin(*dialog).x << "," << ClientOrigin(*dialog).y;
        dialog->DestroyWindow();
    }
    owner.DestroyWindow();
}
