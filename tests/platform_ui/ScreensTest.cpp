// The desktop's screens as the window layer reports them.
#include "HostDialog.h"
#include "TwoScreens.h"
#include "platform/ui/Monitors.h"
#include "platform/ui/SysColors.h"

namespace {

const CRect kLeft(0, 0, 1600, 1000), kRight(1600, 0, 2880, 1024);

// The screen the layer finds for the dialog at a place, or an empty rectangle for none.
CRect ScreenOf(CWnd& window, DWORD fallback)
{
    MONITORINFO info;
    if (!GetMonitorInfo(MonitorFromWindow(window.m_hWnd, fallback), &info))
        return CRect();
    EXPECT_EQ(CRect(info.rcWork), CRect(info.rcMonitor)) << "no panels on this desktop";
    EXPECT_EQ(info.dwFlags == MONITORINFOF_PRIMARY, CRect(info.rcMonitor) == kLeft);
    return CRect(info.rcMonitor);
}

} // namespace

TEST(Screens, TheMetricsAnswerThePrimaryScreen)
{
    SKIP_UNLESS_ON_A_1600_BY_1000_SCREEN();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1600);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1000);
}

TEST_F(HostDialogTest, AWindowIsOnTheScreenThatHoldsMostOfIt)
{
    SKIP_UNLESS_ON_TWO_SCREENS();
    // The dialog keeps its own size; a third of it on one screen and two thirds on the other.
    CRect size;
    dialog.GetWindowRect(&size);
    const int third = size.Width() / 3;
    const struct {
        int x, y;
        DWORD fallback;
        CRect screen;
    } cases[] = {
        {100, 100, MONITOR_DEFAULTTONULL, kLeft},
        {1600 - 2 * third, 600, MONITOR_DEFAULTTONULL, kLeft},
        {1600 - third, 600, MONITOR_DEFAULTTONULL, kRight},
        {2500, 700, MONITOR_DEFAULTTONULL, kRight},
        // Below the shorter left screen's edge, but still on the right one.
        {1600 - 2 * third, 1005, MONITOR_DEFAULTTONULL, kRight},
        {3500, 300, MONITOR_DEFAULTTONULL, CRect()},
        {3500, 300, MONITOR_DEFAULTTONEAREST, kRight},
        {3500, 300, MONITOR_DEFAULTTOPRIMARY, kLeft},
        {-900, 1400, MONITOR_DEFAULTTONEAREST, kLeft},
    };
    for (const auto& c : cases) {
        dialog.SetWindowPos(nullptr, c.x, c.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        EXPECT_EQ(ScreenOf(dialog, c.fallback), c.screen) << c.x << "," << c.y << " fallback " << c.fallback;
    }
}
