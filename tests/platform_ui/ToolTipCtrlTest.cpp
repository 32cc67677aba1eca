// Tool tips for rectangles of a window, fed by the mouse messages the window relays.
#include "HostDialog.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QToolTip>
#include <QWidget>

namespace {

MSG Mouse(CWnd& window, UINT message, int x, int y)
{
    MSG mouse;
    mouse.hwnd = window.m_hWnd;
    mouse.message = message;
    mouse.lParam = MAKELPARAM(x, y);
    return mouse;
}

class ToolTipTest : public HostDialogTest {
protected:
    void SetUp() override
    {
        HostDialogTest::SetUp();
        ASSERT_TRUE(tips.Create(&dialog));
        const CRect left(0, 0, 50, 50), right(50, 0, 100, 50);
        tips.AddTool(&dialog, "Left", &left, 1);
        tips.AddTool(&dialog, "Right", &right, 1);
    }
    CToolTipCtrl tips;
};

} // namespace

TEST_F(ToolTipTest, TheRelayedPointerFindsItsTool)
{
    EXPECT_FALSE(tips.IsWindowVisible());
    EXPECT_EQ(tips.GetToolCount(), 2);
    TOOLINFO tool;
    EXPECT_FALSE(tips.GetCurrentTool(&tool));
    MSG move = Mouse(dialog, WM_MOUSEMOVE, 60, 10);
    tips.RelayEvent(&move);
    ASSERT_TRUE(tips.GetCurrentTool(&tool));
    EXPECT_STREQ(tool.lpszText, "Right");
    EXPECT_EQ(tool.hwnd, dialog.m_hWnd);
    EXPECT_EQ(tool.uId, 1u);
    EXPECT_EQ(CRect(tool.rect), CRect(50, 0, 100, 50));
    move = Mouse(dialog, WM_MOUSEMOVE, 60, 70);
    tips.RelayEvent(&move);
    EXPECT_FALSE(tips.GetCurrentTool(&tool));
    move = Mouse(tips, WM_MOUSEMOVE, 10, 10);
    tips.RelayEvent(&move);
    EXPECT_FALSE(tips.GetCurrentTool(&tool)) << "tools belong to their window";
}

TEST_F(ToolTipTest, TheTipShowsAfterTheDelayAndAButtonHidesIt)
{
    tips.SetDelayTime(TTDT_INITIAL, 0);
    // Qt hides a tip when a window becomes active: let the dialog's activation pass first.
    QWidget* window = platform::ui::detail::WidgetOf(dialog.m_hWnd);
    ASSERT_TRUE(platform::ui::PumpEventsUntil([window] { return window->isActiveWindow(); }));
    MSG move = Mouse(dialog, WM_MOUSEMOVE, 10, 10);
    tips.RelayEvent(&move);
    ASSERT_TRUE(platform::ui::PumpEventsUntil([] { return QToolTip::isVisible(); }));
    EXPECT_EQ(QToolTip::text(), QString("Left"));
    MSG press = Mouse(dialog, WM_LBUTTONDOWN, 10, 10);
    tips.RelayEvent(&press);
    EXPECT_TRUE(platform::ui::PumpEventsUntil([] { return !QToolTip::isVisible(); }));
}
