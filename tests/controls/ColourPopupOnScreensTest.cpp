// Where the colour popup opens on screens of other sizes than the classic 1024 x 768: under its
// button, moved only to stay on its button's screen.
#include "ColourDialog.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "platform_ui/TwoScreens.h"

#include <chrono>
#include <optional>
#include <utility>

namespace {

class ColourOnScreensTest : public ColourTest {
protected:
    // The button's and the popup's places with the dialog moved to (x, y).
    std::pair<CRect, CRect> OpenedAt(int x, int y)
    {
        dialog.MoveWindow(x, y, 400, 200);
        // A window manager answers moves later, the answers to earlier ones too: the popup and the
        // test read the place once it has held for a while.
        using Clock = std::chrono::steady_clock;
        std::optional<Clock::time_point> placedSince;
        platform::ui::PumpEventsUntil(
            [&] {
                CRect placed;
                dialog.GetWindowRect(&placed);
                if (placed.TopLeft() != CPoint(x, y))
                    placedSince.reset();
                else if (!placedSince)
                    placedSince = Clock::now();
                return placedSince && Clock::now() - *placedSince >= std::chrono::milliseconds(150);
            },
            1000);
        CRect button;
        dialog.button.GetWindowRect(&button);
        CColourDropDown* popup = Open();
        EXPECT_NE(popup, nullptr);
        const CRect window = popup ? popup->m_WindowRect : CRect();
        if (popup)
            platform::ui::SimulateKey(*popup, VK_ESCAPE);
        return {button, window};
    }
};

} // namespace

TEST_F(ColourOnScreensTest, OpensBelowTheButtonAndStaysOnTheScreen)
{
    SKIP_UNLESS_ON_A_1600_BY_1000_SCREEN();
    auto [button, window] = OpenedAt(100, 100);
    EXPECT_EQ(window.TopLeft(), CPoint(button.left, button.bottom));
    // The class dialog's right-hand colour button, well inside a wide screen.
    std::tie(button, window) = OpenedAt(1100, 280);
    EXPECT_EQ(window.TopLeft(), CPoint(button.left, button.bottom)) << "nothing passes the screen's edge";
    std::tie(button, window) = OpenedAt(1500, 100);
    EXPECT_EQ(window.right, 1600) << "moved left by what passed the left screen's right edge";
    EXPECT_EQ(window.top, button.bottom);
    std::tie(button, window) = OpenedAt(-200, 100);
    EXPECT_EQ(window.left, 0);
    std::tie(button, window) = OpenedAt(100, 700);
    EXPECT_EQ(window.top, button.bottom) << "room below on a screen 1000 high";
    std::tie(button, window) = OpenedAt(100, 900);
    EXPECT_EQ(window.bottom, button.top) << "above the button";
    EXPECT_EQ(window.left, button.left);
}

TEST_F(ColourOnScreensTest, KeepsToTheScreenItsButtonIsOn)
{
    SKIP_UNLESS_ON_TWO_SCREENS();
    auto [button, window] = OpenedAt(2750, 100);
    EXPECT_EQ(window.right, 2880) << "the right screen's edge";
    // The popup would end 12 px below the left screen's bottom but inside the taller right one.
    const int buttonBelowDialog = button.bottom - 100, height = window.Height();
    std::tie(button, window) = OpenedAt(1700, 1012 - height - buttonBelowDialog);
    EXPECT_EQ(window.top, button.bottom);
    EXPECT_EQ(window.bottom, 1012);
    std::tie(button, window) = OpenedAt(1700, 1024 - buttonBelowDialog - height / 2);
    EXPECT_EQ(window.bottom, button.top) << "above the button at the right screen's bottom";
    // A button at the left edge of the right screen keeps its popup there, not on the left screen.
    std::tie(button, window) = OpenedAt(1598, 100);
    EXPECT_GE(button.left, 1600);
    EXPECT_EQ(window.left, button.left);
}
