// The bitmap button: subclassing, hover and check states, colours, its drawing and images.
#include "../platform_ui/Canvas.h"
#include "ControlDialog.h"
#include "controls/ImageButton/ImageButton.h"
#include "platform/ui/Images.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "support/Printers.h"

#include <cstdint>
#include <vector>

using platform::ui::CaptureWindow;
using platform::ui::SimulateKey;
using platform::ui::SimulateMouse;

namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 30;

// The button drawn in a state on a canvas of its own.
struct Drawn : Canvas {
    Drawn(CImageButton& button, UINT state) : Canvas(kWidth, kHeight)
    {
        DRAWITEMSTRUCT item;
        item.CtlType = ODT_BUTTON;
        item.itemState = state;
        item.hDC = dc.m_hDC;
        item.rcItem = RECT{0, 0, kWidth, kHeight};
        button.DrawItem(&item);
    }
};

// A 32-bit bitmap of w x h from rows of colours (COLORREF, red in the low byte).
HBITMAP MakeBitmap(int w, int h, const std::vector<COLORREF>& colours)
{
    std::vector<std::uint32_t> pixels;
    for (const COLORREF colour : colours)
        pixels.push_back(0xFF000000u | (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
                         (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour));
    CBitmap bitmap;
    bitmap.CreateBitmap(w, h, 1, 32, pixels.data());
    return static_cast<HBITMAP>(bitmap.Detach());
}

HICON MakeIcon(int size, COLORREF colour)
{
    CBitmap mask;
    mask.CreateBitmap(size, size, 1, 32, nullptr);
    ICONINFO info;
    info.hbmColor = MakeBitmap(size, size, std::vector<COLORREF>(static_cast<size_t>(size * size), colour));
    info.hbmMask = static_cast<HBITMAP>(mask.GetSafeHandle());
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    return icon;
}

// The control dialog, noting which buttons reach it as clicked (IDOK included).
class ClickDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    ClickDialog() : CDialog(kControlDialog) {}
    std::vector<UINT> clicks;
    void OnOK() override { clicks.push_back(IDOK); }

private:
    void OnClick(UINT id) { clicks.push_back(id); }
};

RV_MESSAGE_MAP(ClickDialog, CDialog, msgmap::CommandRange(kPush, kDefault, &T::OnClick))

// Buttons on the control dialog, given the keyboard and the mouse as a user gives them.
class ImageButtonInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterControlDialog();
        ASSERT_TRUE(dialog.Create(kControlDialog));
        dialog.ShowWindow(SW_SHOW);
        ASSERT_TRUE(preset.SubclassDlgItem(kDefault, &dialog));
        ASSERT_TRUE(push.SubclassDlgItem(kPush, &dialog));
    }
    void FocusAndPressEnter(int id)
    {
        CWnd* control = dialog.GetDlgItem(id);
        control->SetFocus();
        SimulateKey(*control, VK_RETURN);
    }
    static void Hover(CImageButton& button)
    {
        SimulateMouse(button, WM_MOUSEMOVE, POINT{5, 5});
        ASSERT_TRUE(button.IsHovered());
    }

    ClickDialog dialog;
    CImageButton preset, push;
};

} // namespace

TEST_F(ImageButtonInputTest, TheDefaultButtonKeepsItsRoleWhichFollowsTheFocus)
{
    preset.SetFlat(FALSE);
    FocusAndPressEnter(kEdit);
    EXPECT_EQ(dialog.clicks, std::vector<UINT>{kDefault}) << "Enter clicks the default button, not IDOK";
    EXPECT_TRUE(preset.IsDefaultButton());
    EXPECT_EQ(CaptureWindow(preset).Pixel(0, 10), RGB(0, 0, 0)) << "a raised default button is framed";

    FocusAndPressEnter(kPush);
    EXPECT_EQ(dialog.clicks.back(), static_cast<UINT>(kPush));
    EXPECT_TRUE(push.IsDefaultButton());
    EXPECT_FALSE(preset.IsDefaultButton());
    EXPECT_EQ(CaptureWindow(preset).Pixel(0, 10), GetSysColor(COLOR_BTNHILIGHT)) << "no frame any more";
    EXPECT_EQ(push.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW) << "the role moves, the look stays its own";

    FocusAndPressEnter(kCheck);
    EXPECT_TRUE(preset.IsDefaultButton());
    EXPECT_FALSE(push.IsDefaultButton());
    EXPECT_EQ(dialog.clicks.back(), static_cast<UINT>(kDefault));
}

TEST_F(ImageButtonInputTest, AFlatButtonStopsHoveringWhenItsWindowGoesInactive)
{
    Hover(push);
    CDialog other(kControlDialog);
    ASSERT_TRUE(other.Create(kControlDialog));
    other.MoveWindow(600, 400, 200, 100);
    other.ShowWindow(SW_SHOW);
    EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return !push.IsHovered(); }));
}

TEST_F(ImageButtonInputTest, AMessageBoxTakesTheMouseFromAButtonHeldDown)
{
    Hover(push);
    SimulateMouse(push, WM_LBUTTONDOWN, POINT{5, 5});
    platform::ui::MessageBoxRecorder boxes;
    AfxMessageBox("interrupting");
    EXPECT_FALSE(push.IsHovered());
    SimulateMouse(push, WM_LBUTTONUP, POINT{5, 5});
    EXPECT_TRUE(dialog.clicks.empty()) << "let go of, the button is not clicked by the release";
}

class ImageButtonTest : public ControlDialogTest {
protected:
    void Attach(CImageButton& button, int id) { ASSERT_TRUE(button.SubclassDlgItem(static_cast<UINT>(id), &dialog)); }
    void MoveOver(CImageButton& button, UINT keys = 0) { button.SendMessage(WM_MOUSEMOVE, keys, MAKELPARAM(5, 5)); }
};

TEST_F(ImageButtonTest, SubclassingTakesTheDefaultAndCheckBoxStylesAndDrawsItself)
{
    CImageButton push, check, preset;
    Attach(push, kPush);
    Attach(check, kCheck);
    Attach(preset, kDefault);
    EXPECT_EQ(push.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_FALSE(push.IsCheckBox());
    EXPECT_TRUE(check.IsCheckBox());
    EXPECT_TRUE(preset.IsDefaultButton());
    EXPECT_EQ(preset.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(push.SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON, DLGC_UNDEFPUSHBUTTON);
    preset.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_FALSE(preset.IsDefaultButton());
    EXPECT_EQ(preset.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW) << "stays owner-drawn";
}

TEST_F(ImageButtonTest, AFlatButtonHoversUntilThePointerLeavesOrItLosesTheFocus)
{
    CImageButton flat, raised;
    Attach(flat, kPush);
    Attach(raised, kDefault);
    raised.SetFlat(FALSE);
    MoveOver(raised);
    EXPECT_FALSE(raised.IsHovered()) << "a raised button never tracks";
    MoveOver(flat, MK_LBUTTON);
    EXPECT_FALSE(flat.IsHovered()) << "dragging in from outside";
    MoveOver(flat);
    EXPECT_TRUE(flat.IsHovered());
    flat.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(flat.IsHovered());
    for (const UINT message : {WM_KILLFOCUS, WM_CANCELMODE, WM_ACTIVATE}) {
        MoveOver(flat);
        ASSERT_TRUE(flat.IsHovered());
        flat.SendMessage(message, message == WM_ACTIVATE ? WA_INACTIVE : 0);
        EXPECT_FALSE(flat.IsHovered()) << message;
    }
}

TEST_F(ImageButtonTest, CheckModeTogglesOnEachClickAndAnswersCheckMessages)
{
    CImageButton check;
    Attach(check, kCheck);
    for (const int expected : {1, 0, 1}) {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(kCheck, BN_CLICKED), reinterpret_cast<LPARAM>(check.m_hWnd));
        EXPECT_EQ(check.GetChecked(), expected);
    }
    check.SendMessage(BM_SETCHECK, BST_UNCHECKED);
    EXPECT_EQ(check.SendMessage(BM_GETCHECK), BST_UNCHECKED);
    check.SendMessage(BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_EQ(check.SendMessage(BM_GETCHECK), BST_CHECKED);
    const Drawn checked(check, 0);
    EXPECT_EQ(checked.At(kWidth / 2, 2), GetSysColor(COLOR_BTNFACE)) << "checked draws pressed";
}

TEST_F(ImageButtonTest, SettersRefuseValuesOutOfRange)
{
    CImageButton button;
    Attach(button, kPush);
    EXPECT_EQ(button.SetAlign(CImageButton::kImageAbove), CImageButton::kOk);
    EXPECT_EQ(button.SetAlign(3), CImageButton::kBadAlignment);
    EXPECT_EQ(button.GetAlign(), CImageButton::kImageAbove);
    EXPECT_EQ(button.SetColor(6, 0), CImageButton::kBadColourIndex);
    EXPECT_EQ(button.OffsetColor(0, 256), CImageButton::kBadShade);
    COLORREF colour = 0;
    EXPECT_EQ(button.GetColor(CImageButton::TextOut, &colour), CImageButton::kOk);
    EXPECT_EQ(colour, GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(button.SetHoverCursor(4711), CImageButton::kImageFailed);
}

TEST(ImageButton, ColourOffsetsKeepTheHue)
{
    EXPECT_EQ(OffsetColour(RGB(255, 255, 255), 50), RGB(255, 255, 255));
    EXPECT_EQ(OffsetColour(RGB(250, 100, 0), 20), RGB(255, 105, 5));
    EXPECT_EQ(OffsetColour(RGB(250, 100, 0), -20), RGB(250, 100, 0));
    EXPECT_EQ(OffsetColour(RGB(100, 100, 100), -30), RGB(70, 70, 70));
}

TEST_F(ImageButtonTest, RaisedFocusedButtonsGetAFrameAndAFocusRectangle)
{
    CImageButton button;
    Attach(button, kPush);
    button.SetWindowText("");
    button.SetFlat(FALSE);
    const Drawn focused(button, ODS_FOCUS);
    EXPECT_EQ(focused.At(0, 10), RGB(0, 0, 0)) << "black frame";
    EXPECT_EQ(focused.At(1, 10), GetSysColor(COLOR_BTNHILIGHT)) << "then the raised border";
    const int dotted = focused.Count(GetSysColor(COLOR_BTNFACE), CRect(4, 6, 5, 24));
    EXPECT_GT(dotted, 0);
    EXPECT_LT(dotted, 18) << "every other pixel of the focus rectangle, 4 from the edge, is inverted";
    const Drawn plain(button, 0);
    EXPECT_EQ(plain.At(0, 10), GetSysColor(COLOR_BTNHILIGHT)) << "no frame unfocused";
    EXPECT_EQ(plain.At(kWidth - 1, 10), GetSysColor(COLOR_3DDKSHADOW));
}

TEST_F(ImageButtonTest, FlatButtonsShowTheirHoverColoursAndBorder)
{
    CImageButton button;
    Attach(button, kPush);
    button.SetWindowText("");
    button.SetColor(CImageButton::BackHover, RGB(200, 0, 0));
    button.SetColor(CImageButton::BackOut, RGB(0, 0, 200));
    const Drawn out(button, 0);
    EXPECT_EQ(out.At(0, 10), RGB(0, 0, 200)) << "no border while not hovered";
    MoveOver(button);
    const Drawn over(button, 0);
    EXPECT_EQ(over.At(kWidth / 2, kHeight / 2), RGB(200, 0, 0));
    EXPECT_EQ(over.At(0, 10), GetSysColor(COLOR_BTNHILIGHT));
    EXPECT_EQ(over.At(kWidth - 1, 10), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(ImageButtonTest, BitmapsAreDrawnThroughTheirMask)
{
    constexpr COLORREF pink = RGB(255, 0, 255), blue = RGB(0, 0, 255);
    CImageButton button;
    Attach(button, kPush);
    button.SetWindowText("");
    button.SetColor(CImageButton::BackOut, RGB(0, 200, 0));
    ASSERT_EQ(button.SetBitmaps(MakeBitmap(2, 1, {pink, blue}), pink), CImageButton::kOk);
    const Drawn drawn(button, 0);
    const int left = (kWidth - 2) / 2, top = (kHeight - 1) / 2;
    EXPECT_EQ(drawn.At(left, top), RGB(0, 200, 0)) << "transparent";
    EXPECT_EQ(drawn.At(left + 1, top), blue);
}

TEST_F(ImageButtonTest, IconsHandedOverAreTheButtonsEvenWhenItRefusesThem)
{
    CImageButton button;
    Attach(button, kPush);
    HICON out = MakeIcon(8, RGB(255, 0, 0));
    EXPECT_EQ(button.SetIcon(nullptr, out), CImageButton::kOk) << "a null first icon stores nothing";
    EXPECT_FALSE(DestroyIcon(out)) << "the second icon was destroyed";

    out = MakeIcon(8, RGB(0, 0, 255));
    HICON unreadable = MakeIcon(8, RGB(0, 255, 0));
    DestroyIcon(unreadable);
    EXPECT_EQ(button.SetIcon(unreadable, out), CImageButton::kImageFailed);
    EXPECT_FALSE(DestroyIcon(out)) << "the second icon was destroyed";
}

TEST_F(ImageButtonTest, AGreySecondIconShowsInTheNormalStateOnly)
{
    CImageButton button;
    Attach(button, kPush);
    button.SetWindowText("");
    ASSERT_EQ(button.SetIcon(MakeIcon(8, RGB(255, 0, 0)), reinterpret_cast<HICON>(-2)), CImageButton::kOk);
    const CPoint centre(kWidth / 2, kHeight / 2);
    EXPECT_EQ(Drawn(button, 0).At(centre.x, centre.y), RGB(76, 76, 76)) << "0.299 x 255";
    MoveOver(button);
    EXPECT_EQ(Drawn(button, 0).At(centre.x, centre.y), RGB(255, 0, 0));
}
