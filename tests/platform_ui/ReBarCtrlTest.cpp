// The rebar control: along its parent's top, one band a row, a gripper at a band's left and
// the band's child laid out beside it.
#include "HostDialog.h"
#include "platform/ui/ReBarCtrl.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"

using platform::ui::CaptureWindow;

namespace {

class ReBarTest : public HostDialogTest {
protected:
    void Band(CToolBarCtrl& child, UINT style, UINT height)
    {
        ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NODIVIDER | CCS_NORESIZE,
                                 CRect(0, 0, 100, 20), &dialog, 0));
        REBARBANDINFO band;
        band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE;
        band.fStyle = style;
        band.hwndChild = child.m_hWnd;
        band.cyMinChild = height;
        ASSERT_TRUE(rebar.InsertBand(static_cast<UINT>(-1), &band));
    }

    CRect Placed(CWnd& child)
    {
        CRect rect;
        child.GetWindowRect(&rect);
        rebar.ScreenToClient(&rect);
        return rect;
    }

    CReBarCtrl rebar;
};

} // namespace

TEST_F(ReBarTest, LiesAlongTheParentsTopAsHighAsItsBand)
{
    ASSERT_TRUE(rebar.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | RBS_BANDBORDERS, CRect(30, 30, 60, 60), &dialog, 0));
    CToolBarCtrl bar;
    Band(bar, RBBS_GRIPPERALWAYS, 38);
    CRect client, place;
    dialog.GetClientRect(&client);
    rebar.GetWindowRect(&place);
    dialog.ScreenToClient(&place);
    EXPECT_EQ(place, CRect(0, 0, client.right, 1 + 38 + 4 + 1));
    EXPECT_EQ(rebar.GetBarHeight(), 44u);
    EXPECT_EQ(rebar.GetBandCount(), 1u);
    CRect band;
    ASSERT_TRUE(rebar.GetRect(0, &band));
    EXPECT_EQ(band, CRect(1, 1, client.right - 1, 43));
    EXPECT_FALSE(rebar.GetRect(1, &band));
    EXPECT_EQ(bar.GetParent(), &rebar) << "the band takes the child in";
    EXPECT_EQ(Placed(bar), CRect(11, 3, client.right - 3, 41)) << "beside the gripper, the band's height";
}

TEST_F(ReBarTest, DrawsItsBorderAndAGripper)
{
    ASSERT_TRUE(rebar.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(), &dialog, 0));
    CToolBarCtrl bar;
    Band(bar, RBBS_GRIPPERALWAYS, 30);
    const auto picture = CaptureWindow(rebar);
    EXPECT_EQ(picture.Pixel(0, 0), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(picture.Pixel(3, 10), GetSysColor(COLOR_3DHILIGHT)) << "the gripper's lit side";
    EXPECT_EQ(picture.Pixel(5, 10), GetSysColor(COLOR_3DSHADOW)) << "its shaded side";
    EXPECT_EQ(picture.Pixel(6, 10), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ReBarTest, ALoneBandWithoutTheGripperStyleHasNone)
{
    ASSERT_TRUE(rebar.Create(WS_CHILD | WS_VISIBLE, CRect(), &dialog, 0));
    CToolBarCtrl bar;
    Band(bar, 0, 30);
    EXPECT_EQ(Placed(bar).left, 2);
    EXPECT_EQ(CaptureWindow(rebar).Pixel(3, 10), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ReBarTest, BandsStackInRowsWithAnEtchedLineBetween)
{
    ASSERT_TRUE(rebar.Create(WS_CHILD | WS_VISIBLE | RBS_BANDBORDERS, CRect(), &dialog, 0));
    CToolBarCtrl first, second;
    Band(first, 0, 20);
    Band(second, RBBS_NOGRIPPER, 30);
    EXPECT_EQ(rebar.GetBarHeight(), 24u + 2 + 34);
    EXPECT_EQ(Placed(first).left, 10) << "two bands: a gripper unless the band refuses one";
    EXPECT_EQ(Placed(second), CRect(2, 24 + 2 + 2, Placed(second).right, 24 + 2 + 2 + 30));
    const auto picture = CaptureWindow(rebar);
    EXPECT_EQ(picture.Pixel(100, 24), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.Pixel(100, 25), GetSysColor(COLOR_3DHILIGHT));
}

TEST_F(ReBarTest, AToolbarInABandStillTellsTheWindowItWasMadeIn)
{
    ASSERT_TRUE(rebar.Create(WS_CHILD | WS_VISIBLE, CRect(), &dialog, 0));
    CToolBarCtrl bar;
    Band(bar, RBBS_GRIPPERALWAYS, 24);
    const TBBUTTON button = {0, 700, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, -1};
    bar.AddButtons(1, &button);
    CRect item;
    bar.GetItemRect(0, &item);
    platform::ui::SimulateMouse(bar, WM_LBUTTONDOWN, item.CenterPoint());
    platform::ui::SimulateMouse(bar, WM_LBUTTONUP, item.CenterPoint());
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0], 700u);
}
