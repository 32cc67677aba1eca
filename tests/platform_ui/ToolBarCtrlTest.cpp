// The toolbar control: buttons laid out from the left, clicks told to the window it was made
// in, hot tracking, custom draw in its stages, and its own drawing of edges and images.
#include "HostDialog.h"
#include "platform/ui/DC.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"

#include <vector>

using platform::ui::CaptureWindow;
using platform::ui::SimulateMouse;

namespace {

constexpr int kOpen = 501, kSave = 502, kCheck = 503, kOff = 504;
constexpr COLORREF kRed = RGB(200, 0, 0), kGreen = RGB(0, 200, 0);

// A bitmap of `count` images of one colour, side by side.
void AddSolid(CImageList& list, int count, COLORREF colour)
{
    std::vector<DWORD> pixels(static_cast<size_t>(16 * count * 15),
                              static_cast<DWORD>(GetBValue(colour) | (GetGValue(colour) << 8) | (GetRValue(colour) << 16)));
    CBitmap bitmap;
    bitmap.CreateBitmap(16 * count, 15, 1, 32, pixels.data());
    list.Add(&bitmap, RGB(255, 0, 255));
}

// Counts the clicks its parent hands back to it, which only a command naming the toolbar's
// window does.
class ReflectingBar : public CToolBarCtrl {
    RV_DECLARE_MESSAGE_MAP()
public:
    int clicks = 0;

private:
    BOOL OnClicked()
    {
        ++clicks;
        return FALSE;
    }
};

RV_MESSAGE_MAP(ReflectingBar, CToolBarCtrl, msgmap::ControlReflectEx(BN_CLICKED, &T::OnClicked))

class ToolBarTest : public HostDialogTest {
protected:
    void Make(DWORD style)
    {
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | style, CRect(10, 10, 400, 60), &dialog, 0));
        EXPECT_EQ(bar.AddStrings("Open\0Save the file\0"), 0);
        EXPECT_EQ(bar.AddStrings("Checked\0"), 2);
        const TBBUTTON buttons[] = {
            {0, kOpen, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, 0},
            {0, 0, 0, TBSTYLE_SEP, 0, -1},
            {1, kSave, TBSTATE_ENABLED, TBSTYLE_AUTOSIZE, 0, 1},
            {0, kCheck, TBSTATE_ENABLED, TBSTYLE_CHECK, 0, 2},
            {1, kOff, 0, TBSTYLE_BUTTON, 0, -1},
        };
        ASSERT_TRUE(bar.AddButtons(5, buttons));
    }

    CRect Item(int index)
    {
        CRect rect;
        EXPECT_TRUE(bar.GetItemRect(index, &rect)) << index;
        return rect;
    }

    void Click(int index)
    {
        SimulateMouse(bar, WM_LBUTTONDOWN, Item(index).CenterPoint());
        SimulateMouse(bar, WM_LBUTTONUP, Item(index).CenterPoint());
    }

    int TextWidth(LPCTSTR text)
    {
        NONCLIENTMETRICS metrics;
        SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        CFont font;
        font.CreateFontIndirect(&metrics.lfMessageFont);
        CClientDC dc(&bar);
        CFont* previous = dc.SelectObject(&font);
        const int width = dc.GetTextExtent(text).cx;
        dc.SelectObject(previous);
        return width;
    }

    ReflectingBar bar;
};

} // namespace

TEST_F(ToolBarTest, ButtonsLieSideBySideBelowTheDivider)
{
    Make(TBSTYLE_FLAT | TBSTYLE_LIST);
    const int text = TextWidth("Save the file");
    EXPECT_EQ(Item(0), CRect(0, 2, 24, 24)) << "the default button size, below the divider";
    EXPECT_EQ(Item(1), CRect(24, 2, 32, 24)) << "a separator of the default width";
    EXPECT_EQ(Item(2), CRect(32, 2, 32 + 3 + 16 + 4 + text + 3, 24)) << "auto-size: image, gap, text, padding";
    bar.SetButtonSize(CSize(30, 38));
    bar.SetBitmapSize(CSize(20, 20));
    bar.SetButtonWidth(42, 60);
    EXPECT_EQ(Item(0), CRect(0, 2, 42, 40)) << "widened to the least width";
    EXPECT_EQ(Item(2).Width(), 3 + 20 + 4 + text + 3) << "auto-size: as wide as its caption, past the greatest width";
    bar.SetButtonWidth(0, 20);
    EXPECT_EQ(Item(0).Width(), 20) << "narrowed to the greatest";
    bar.SetState(kOpen, TBSTATE_ENABLED | TBSTATE_HIDDEN);
    CRect hidden;
    EXPECT_FALSE(bar.GetItemRect(0, &hidden));
    EXPECT_EQ(Item(1).left, 0) << "a hidden button takes no room";
    EXPECT_EQ(bar.CommandToIndex(kCheck), 3);
    EXPECT_EQ(bar.CommandToIndex(999), -1);
}

TEST_F(ToolBarTest, WithoutDividerAndWithATextPointerTheButtonsStartAtTheTop)
{
    Make(TBSTYLE_FLAT | CCS_NODIVIDER);
    EXPECT_EQ(Item(0).top, 0);
    const TBBUTTON more = {0, 600, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, reinterpret_cast<INT_PTR>("Inline")};
    ASSERT_TRUE(bar.AddButtons(1, &more));
    TBBUTTON added;
    ASSERT_TRUE(bar.GetButton(5, &added));
    EXPECT_EQ(added.iString, 3) << "the text is kept as the next string";
    EXPECT_EQ(added.idCommand, 600);
    EXPECT_FALSE(bar.GetButton(6, &added));
}

TEST_F(ToolBarTest, AClickTellsTheWindowItWasMadeInAndTogglesACheckButton)
{
    Make(TBSTYLE_FLAT);
    SimulateMouse(bar, WM_LBUTTONDOWN, Item(3).CenterPoint());
    EXPECT_TRUE(bar.GetState(kCheck) & TBSTATE_PRESSED) << "pressed while held";
    SimulateMouse(bar, WM_LBUTTONUP, Item(3).CenterPoint());
    EXPECT_EQ(bar.GetState(kCheck), TBSTATE_ENABLED | TBSTATE_CHECKED);
    Click(0);
    ASSERT_EQ(dialog.commands.size(), 2u);
    EXPECT_EQ(dialog.commands[0], static_cast<UINT>(kCheck));
    EXPECT_EQ(dialog.commands[1], static_cast<UINT>(kOpen));
    EXPECT_EQ(bar.clicks, 2) << "each command named the toolbar";
    Click(3);
    EXPECT_EQ(bar.GetState(kCheck), TBSTATE_ENABLED);
    Click(4);
    Click(1);
    SimulateMouse(bar, WM_LBUTTONDOWN, Item(0).CenterPoint());
    SimulateMouse(bar, WM_LBUTTONUP, Item(2).CenterPoint());
    EXPECT_EQ(dialog.commands.size(), 3u) << "no click on a disabled button, a separator, or off the pressed one";
    EXPECT_EQ(bar.GetState(kOpen), TBSTATE_ENABLED);
}

TEST_F(ToolBarTest, AFlatToolbarTracksTheButtonUnderThePointer)
{
    Make(TBSTYLE_FLAT);
    SimulateMouse(bar, WM_MOUSEMOVE, Item(2).CenterPoint());
    EXPECT_EQ(bar.GetHotItem(), 2);
    SimulateMouse(bar, WM_MOUSEMOVE, Item(4).CenterPoint());
    EXPECT_EQ(bar.GetHotItem(), -1) << "a disabled button is never hot";
    EXPECT_EQ(bar.SetHotItem(3), -1);
    EXPECT_EQ(bar.SetHotItem(9), 3);
    EXPECT_EQ(bar.GetHotItem(), -1);
}

TEST_F(ToolBarTest, AToolbarThatIsNotFlatHasNoHotButton)
{
    Make(0);
    SimulateMouse(bar, WM_MOUSEMOVE, Item(2).CenterPoint());
    EXPECT_EQ(bar.GetHotItem(), -1);
}

TEST_F(ToolBarTest, CustomDrawAsksForTheWholeThenForEachButtonWithItsState)
{
    Make(TBSTYLE_FLAT);
    bar.CheckButton(kCheck);
    bar.PressButton(kSave);
    bar.SetHotItem(0);
    dialog.answer = [](const NMTBCUSTOMDRAW& draw) {
        return draw.nmcd.dwDrawStage == CDDS_PREPAINT ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    };
    CaptureWindow(bar);
    ASSERT_EQ(dialog.drawn.size(), 5u) << "the whole and four buttons; no separator";
    EXPECT_EQ(dialog.drawn[0].stage, CDDS_PREPAINT);
    CRect client;
    bar.GetClientRect(&client);
    EXPECT_EQ(CRect(dialog.drawn[0].rect), client);
    const struct {
        DWORD_PTR id;
        UINT state;
    } items[] = {{kOpen, CDIS_HOT}, {kSave, CDIS_SELECTED}, {kCheck, CDIS_CHECKED}, {kOff, CDIS_DISABLED}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(dialog.drawn[i + 1].stage, CDDS_ITEMPREPAINT);
        EXPECT_EQ(dialog.drawn[i + 1].item, items[i].id);
        EXPECT_EQ(dialog.drawn[i + 1].state, items[i].state);
    }
    EXPECT_EQ(CRect(dialog.drawn[2].rect), Item(2));
}

TEST_F(ToolBarTest, WithoutItemNotificationsOnlyTheWholeIsAskedAndSkipDrawsNothing)
{
    Make(TBSTYLE_FLAT);
    bar.SetHotItem(0);
    CaptureWindow(bar);
    EXPECT_EQ(dialog.drawn.size(), 1u);
    dialog.answer = [](const NMTBCUSTOMDRAW& draw) {
        return draw.nmcd.dwDrawStage == CDDS_PREPAINT ? CDRF_SKIPDEFAULT : CDRF_DODEFAULT;
    };
    const auto picture = CaptureWindow(bar);
    EXPECT_EQ(picture.Pixel(Item(0).left, Item(0).top), GetSysColor(COLOR_BTNFACE)) << "no hot edge";
}

TEST_F(ToolBarTest, ItsOwnDrawingRaisesTheHotButtonAndSinksThePressedOne)
{
    Make(TBSTYLE_FLAT);
    bar.SetHotItem(0);
    bar.PressButton(kSave);
    auto picture = CaptureWindow(bar);
    EXPECT_EQ(picture.Pixel(Item(0).left, Item(0).top), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(picture.Pixel(Item(0).right - 1, Item(0).bottom - 1), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.Pixel(Item(2).left, Item(2).top), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.Pixel(Item(2).right - 1, Item(2).bottom - 1), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(picture.Pixel(Item(3).left, Item(3).top), GetSysColor(COLOR_BTNFACE));
    dialog.answer = [](const NMTBCUSTOMDRAW& draw) {
        return draw.nmcd.dwDrawStage == CDDS_PREPAINT ? CDRF_NOTIFYITEMDRAW : TBCDRF_NOEDGES;
    };
    picture = CaptureWindow(bar);
    EXPECT_EQ(picture.Pixel(Item(0).left, Item(0).top), GetSysColor(COLOR_BTNFACE)) << "no edges asked";
    EXPECT_EQ(picture.Pixel(Item(2).left, Item(2).top), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ToolBarTest, TheHotButtonShowsItsHotImageAndADisabledOneAGreyedImage)
{
    Make(TBSTYLE_FLAT | CCS_NODIVIDER);
    CImageList normal, hot;
    normal.Create(16, 15, ILC_COLOR32 | ILC_MASK, 2, 0);
    hot.Create(16, 15, ILC_COLOR32 | ILC_MASK, 2, 0);
    AddSolid(normal, 2, kRed);
    AddSolid(hot, 2, kGreen);
    EXPECT_EQ(bar.SetImageList(&normal), nullptr);
    EXPECT_EQ(bar.SetHotImageList(&hot), nullptr);
    bar.SetHotItem(2);
    const auto picture = CaptureWindow(bar);
    // Without list style an image is centred across its button, below the top padding.
    EXPECT_EQ(picture.Pixel(Item(0).CenterPoint().x, 3 + 7), kRed);
    EXPECT_EQ(picture.Pixel(Item(2).CenterPoint().x, 3 + 7), kGreen);
    EXPECT_NE(picture.Pixel(Item(4).CenterPoint().x, 3 + 7), kRed) << "disabled: embossed, not in colour";
    EXPECT_NE(picture.Pixel(Item(4).CenterPoint().x, 3 + 7), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(bar.SetImageList(nullptr), &normal);
}

TEST_F(ToolBarTest, BitmapsAddTheImagesTheyAreSaidToHold)
{
    Make(TBSTYLE_FLAT | CCS_NODIVIDER);
    std::vector<DWORD> pixels(16 * 15, 0x00C80000);   // red in blue, green, red, unused order
    CBitmap bitmap;
    bitmap.CreateBitmap(16, 15, 1, 32, pixels.data());
    EXPECT_EQ(bar.AddBitmap(1, &bitmap), 0);
    EXPECT_EQ(bar.AddBitmap(3, &bitmap), 1);
    EXPECT_EQ(bar.AddBitmap(1, &bitmap), 4) << "the second bitmap counted three images";
    EXPECT_EQ(bar.AddBitmap(1, 4711), -1) << "no such bitmap resource";
    const auto picture = CaptureWindow(bar);
    EXPECT_EQ(picture.Pixel(Item(0).CenterPoint().x, 3 + 7), kRed);
    EXPECT_EQ(picture.Pixel(Item(2).CenterPoint().x, 3 + 7), kRed) << "image 1";
}

TEST_F(ToolBarTest, ListStylePutsTheImageLeftAndTheTextBesideIt)
{
    Make(TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NODIVIDER);
    CImageList normal;
    normal.Create(16, 15, ILC_COLOR32 | ILC_MASK, 2, 0);
    AddSolid(normal, 2, kRed);
    bar.SetImageList(&normal);
    const auto picture = CaptureWindow(bar);
    const CRect save = Item(2);
    EXPECT_EQ(picture.Pixel(save.left + 3, (22 - 15) / 2), kRed) << "the image's top-left pixel";
    EXPECT_EQ(picture.Pixel(save.left + 2, (22 - 15) / 2), GetSysColor(COLOR_BTNFACE));
    int ink = 0;
    for (int x = save.left + 3 + 16 + 4; x < save.right - 3; ++x)
        for (int y = 0; y < save.bottom; ++y)
            ink += picture.Pixel(x, y) == GetSysColor(COLOR_BTNTEXT) ? 1 : 0;
    EXPECT_GT(ink, 20) << "the text right of the image";
}
