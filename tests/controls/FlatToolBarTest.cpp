// The flat toolbar: its custom-draw answers, what they look like in a toolbar on a rebar band
// as the main window builds it, and buttons from a toolbar resource.
#include "ControlDialog.h"
#include "controls/toolbar/FlatToolBar.h"
#include "platform/ui/DC.h"
#include "platform/ui/ReBarCtrl.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "support/BmpFile.h"
#include "support/TempFolder.h"

using platform::ui::CaptureWindow;

namespace {

// The corner pixels of a button and a pixel of its fill away from image and text.
struct Look {
    COLORREF topLeft, bottomRight, fill;
};

constexpr UINT kFirst = 32783, kSecond = 32778, kThird = 32793;

// The toolbar as the main window makes it: flat, list style, auto-size buttons with texts,
// in a rebar band with a gripper.
class FlatToolBarTest : public ControlDialogTest {
protected:
    void SetUp() override
    {
        ControlDialogTest::SetUp();
        ASSERT_TRUE(rebar.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | RBS_BANDBORDERS, CRect(), &dialog, 0));
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_LIST | CCS_NODIVIDER |
                                   CCS_NORESIZE,
                               CRect(), &dialog, 0));
        bar.SetBitmapSize(CSize(32, 32));
        bar.SetButtonSize(CSize(32, 38));
        REBARBANDINFO band;
        band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE;
        band.fStyle = RBBS_GRIPPERALWAYS;
        band.hwndChild = bar.m_hWnd;
        band.cyMinChild = 38;
        ASSERT_TRUE(rebar.InsertBand(static_cast<UINT>(-1), &band));
        bar.AddStrings("one\0two\0three\0");
        const TBBUTTON buttons[] = {
            {0, static_cast<int>(kFirst), TBSTATE_ENABLED, TBSTYLE_AUTOSIZE, 0, 0},
            {1, static_cast<int>(kSecond), TBSTATE_ENABLED, TBSTYLE_AUTOSIZE, 0, 1},
            {2, static_cast<int>(kThird), TBSTATE_ENABLED, TBSTYLE_AUTOSIZE, 0, 2},
        };
        ASSERT_TRUE(bar.AddButtons(3, buttons));
        bar.SetButtonWidth(42, 84);
        // Fills that differ, to see which one wins.
        bar.m_crHot = RGB(255, 0, 0);
        bar.m_crChecked = RGB(0, 255, 0);
        bar.m_crPressed = RGB(0, 0, 255);
    }

    CRect Item(int index)
    {
        CRect rect;
        EXPECT_TRUE(bar.GetItemRect(index, &rect));
        return rect;
    }

    Look LookOf(int index)
    {
        const auto picture = CaptureWindow(bar);
        const CRect rect = Item(index);
        return {picture.Pixel(rect.left, rect.top), picture.Pixel(rect.right - 1, rect.bottom - 1),
                picture.Pixel(rect.right - 2, rect.top + 1)};
    }

    CReBarCtrl rebar;
    CFlatToolBar bar;
};

void ExpectFilled(const Look& look, COLORREF fill, COLORREF border, const char* what)
{
    EXPECT_EQ(look.topLeft, border) << what;
    EXPECT_EQ(look.bottomRight, border) << what << ": no edge of the control's own";
    EXPECT_EQ(look.fill, fill) << what;
}

} // namespace

TEST(FlatToolBar, AllFillsStartEqualInsideABlueFrame)
{
    const CFlatToolBar bar;
    EXPECT_EQ(bar.m_crHot, RGB(193, 210, 238));
    EXPECT_EQ(bar.m_crPressed, RGB(193, 210, 238));
    EXPECT_EQ(bar.m_crChecked, RGB(193, 210, 238));
    EXPECT_EQ(bar.m_crBorder, RGB(49, 106, 197));
}

TEST(FlatToolBar, CustomDrawAsksForEachButtonAndTakesTheEdgesAway)
{
    CFlatToolBar bar;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(20, 20, 1, 32, nullptr);
    CBitmap* previous = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    NMTBCUSTOMDRAW draw;
    draw.nmcd.hdc = dc.m_hDC;
    draw.nmcd.rc = CRect(2, 2, 18, 18);
    LRESULT result = 0;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    bar.OnCustomDraw(&draw.nmcd.hdr, &result);
    EXPECT_EQ(result, CDRF_NOTIFYITEMDRAW);
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.uItemState = CDIS_DISABLED;
    bar.OnCustomDraw(&draw.nmcd.hdr, &result);
    EXPECT_EQ(result, TBCDRF_NOEDGES);
    EXPECT_EQ(dc.GetPixel(2, 2), RGB(255, 255, 255)) << "a disabled button gets no background";
    draw.nmcd.uItemState = CDIS_SELECTED;
    bar.OnCustomDraw(&draw.nmcd.hdr, &result);
    EXPECT_EQ(dc.GetPixel(2, 2), bar.m_crBorder);
    EXPECT_EQ(dc.GetPixel(10, 10), bar.m_crPressed);
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(255, 255, 255)) << "only the item rectangle";
    result = 0x55;
    draw.nmcd.dwDrawStage = CDDS_POSTPAINT;
    bar.OnCustomDraw(&draw.nmcd.hdr, &result);
    EXPECT_EQ(result, 0x55) << "other stages keep the result they came with";
    EXPECT_EQ(CDC::FromHandle(dc.m_hDC), &dc) << "the DC is given back as it was";
    dc.SelectObject(previous);
}

TEST_F(FlatToolBarTest, HotCheckedAndPressedButtonsAreFilledAndFramedTheFirstStateWinning)
{
    bar.SetHotItem(0);
    ExpectFilled(LookOf(0), bar.m_crHot, bar.m_crBorder, "hot");
    bar.SetHotItem(-1);
    bar.CheckButton(kSecond);
    ExpectFilled(LookOf(1), bar.m_crChecked, bar.m_crBorder, "checked");
    bar.PressButton(kThird);
    ExpectFilled(LookOf(2), bar.m_crPressed, bar.m_crBorder, "pressed");
    bar.SetHotItem(1);
    ExpectFilled(LookOf(1), bar.m_crHot, bar.m_crBorder, "hot and checked");
    bar.CheckButton(kThird);
    ExpectFilled(LookOf(2), bar.m_crChecked, bar.m_crBorder, "checked and pressed");
}

TEST_F(FlatToolBarTest, OrdinaryAndDisabledButtonsGetNoBackgroundAndNoEdge)
{
    bar.EnableButton(kSecond, FALSE);
    for (int index : {0, 1}) {
        const Look look = LookOf(index);
        EXPECT_EQ(look.topLeft, GetSysColor(COLOR_BTNFACE)) << index;
        EXPECT_EQ(look.bottomRight, GetSysColor(COLOR_BTNFACE)) << index;
        EXPECT_EQ(look.fill, GetSysColor(COLOR_BTNFACE)) << index;
    }
}

TEST_F(FlatToolBarTest, ButtonsComeFromAToolbarResourceAndItsBitmap)
{
    TempFolder folder;
    // One 16 x 15 image for three items: the toolbar counts three and the rest stay empty.
    WriteSolidBmp(folder.File("bar.bmp"), 16, 15, RGB(200, 0, 0));
    RegisterBitmapResource(300, folder.File("bar.bmp").c_str());
    RegisterDataResource(300, RT_TOOLBAR, {1, 0, 16, 0, 15, 0, 3, 0, 5, 0, 0, 0, 7, 0});
    CFlatToolBar loaded;
    EXPECT_FALSE(loaded.LoadToolBar(300)) << "no window yet";
    ASSERT_TRUE(loaded.Create(WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, CRect(0, 400, 200, 430), &dialog, 0));
    ASSERT_TRUE(loaded.LoadToolBar(300));
    ASSERT_EQ(loaded.GetButtonCount(), 3);
    TBBUTTON button;
    loaded.GetButton(0, &button);
    EXPECT_EQ(button.idCommand, 5);
    EXPECT_EQ(button.iBitmap, 0);
    EXPECT_EQ(button.fsStyle, TBSTYLE_BUTTON);
    EXPECT_EQ(button.fsState, TBSTATE_ENABLED);
    EXPECT_EQ(button.iString, -1);
    loaded.GetButton(1, &button);
    EXPECT_EQ(button.idCommand, 0);
    EXPECT_EQ(button.iBitmap, -1);
    EXPECT_EQ(button.fsStyle, TBSTYLE_SEP);
    loaded.GetButton(2, &button);
    EXPECT_EQ(button.idCommand, 7);
    EXPECT_EQ(button.iBitmap, 1);
    const auto picture = CaptureWindow(loaded);
    CRect first, third;
    loaded.GetItemRect(0, &first);
    loaded.GetItemRect(2, &third);
    EXPECT_EQ(picture.Pixel(first.CenterPoint().x, first.CenterPoint().y), RGB(200, 0, 0)) << "image 0";
    EXPECT_EQ(picture.Pixel(third.CenterPoint().x, third.CenterPoint().y), GetSysColor(COLOR_BTNFACE))
        << "image 1 is one the bitmap did not hold";
}

TEST_F(FlatToolBarTest, AMissingOrShortResourceLoadsNothingAndAnEmptyOneLoadsNoButton)
{
    EXPECT_FALSE(bar.LoadToolBar(301));
    RegisterDataResource(302, RT_TOOLBAR, {1, 0, 16, 0, 15, 0, 2, 0, 5, 0});
    EXPECT_FALSE(bar.LoadToolBar(302)) << "two items announced, one there";
    RegisterDataResource(303, RT_TOOLBAR, {1, 0, 16, 0, 15, 0, 0, 0});
    EXPECT_TRUE(bar.LoadToolBar(303));
    EXPECT_EQ(bar.GetButtonCount(), 3) << "the three buttons from before";
}
