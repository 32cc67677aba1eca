// What a user sees of a window's state: a disabled dialog keeps its look but refuses input, a
// dialog without a sizing frame keeps its size, read-only edits look read-only, bitmap statics
// keep their pictures to their rectangles, a bitmap button shows its picture in place of its caption, progress
// bars carry no text, and the wait cursor.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Resources.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/qt/WindowAccess.h"
#include "support/BmpFile.h"
#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

constexpr UINT kLookDialog = 9402, kSizingDialog = 9403, kPictureDialog = 9404, kPictureResource = 9405;
constexpr int kButton = 1001, kReadOnly = 1002, kPicture = 1003, kResourcePicture = 1004, kText = 1005, kBar = 1006,
              kFitted = 1007, kTransparent = 1008;

class LookDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit LookDialog(UINT id = kLookDialog) : CDialog(id) {}
    int clicks = 0;

private:
    void OnButton() { ++clicks; }
};

RV_MESSAGE_MAP(LookDialog, CDialog, msgmap::Command(kButton, &T::OnButton))

void RegisterLookDialogs()
{
    DialogTemplate dialog;
    dialog.id = kLookDialog;
    dialog.cx = 150;
    dialog.cy = 60;
    dialog.style = WS_CAPTION | WS_SYSMENU;
    dialog.controls = {
        {ControlClass::Button, kButton, "Press", 10, 10, 50, 14, BS_PUSHBUTTON},
        {ControlClass::Edit, kReadOnly, "path", 10, 30, 100, 12, ES_READONLY | WS_BORDER},
    };
    RegisterDialogTemplate(dialog);
    dialog.id = kSizingDialog;
    dialog.style |= WS_THICKFRAME;
    RegisterDialogTemplate(dialog);
    dialog.id = kPictureDialog;
    dialog.controls = {
        {ControlClass::Static, kPicture, "", 10, 10, 13, 12, SS_BITMAP},
        {ControlClass::Static, kResourcePicture, "#" + std::to_string(kPictureResource), 35, 10, 10, 10, SS_BITMAP},
        {ControlClass::Static, kFitted, "", 60, 10, 13, 12, SS_BITMAP | SS_REALSIZECONTROL},
        {ControlClass::Static, kTransparent, "", 85, 10, 13, 12, SS_BITMAP | SS_REALSIZECONTROL, WS_EX_TRANSPARENT},
        {ControlClass::Static, kText, "text", 110, 10, 20, 8, SS_LEFT},
        {ControlClass::Progress, kBar, "", 10, 40, 100, 10, 0},
    };
    RegisterDialogTemplate(dialog);
}

QWidget* WidgetOfItem(CWnd& dialog, int id)
{
    return platform::ui::detail::WidgetOf(dialog.GetDlgItem(id)->m_hWnd);
}

void Click(QWidget* button)
{
    const QPointF centre(button->width() / 2.0, button->height() / 2.0);
    const QPointF global = button->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QApplication::sendEvent(button, &release);
}

QColor Colour(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

} // namespace

TEST(WindowLook, DisabledDialogRefusesInputButGreysNothing)
{
    RegisterLookDialogs();
    LookDialog dialog;
    ASSERT_TRUE(dialog.Create(kLookDialog));
    dialog.ShowWindow(SW_SHOW);
    QWidget* button = WidgetOfItem(dialog, kButton);
    ASSERT_NE(button, nullptr);
    Click(button);
    ASSERT_EQ(dialog.clicks, 1);

    dialog.EnableWindow(FALSE);
    EXPECT_FALSE(dialog.IsWindowEnabled());
    EXPECT_TRUE(button->isEnabled()) << "the controls keep their look";
    EXPECT_TRUE(dialog.GetDlgItem(kButton)->IsWindowEnabled());
    Click(button);
    EXPECT_EQ(dialog.clicks, 1) << "input is refused";
    button->window()->close();
    EXPECT_TRUE(CWnd::IsWindow(dialog.m_hWnd) && dialog.IsWindowVisible()) << "so is the close box";

    dialog.EnableWindow(TRUE);
    Click(button);
    EXPECT_EQ(dialog.clicks, 2);
    dialog.GetDlgItem(kButton)->EnableWindow(FALSE);
    EXPECT_FALSE(button->isEnabled()) << "a disabled control is greyed as usual";
}

TEST(WindowLook, DialogWithoutASizingFrameKeepsItsSizeUnlessTheProgramMovesIt)
{
    RegisterLookDialogs();
    LookDialog fixed(kLookDialog), sizing(kSizingDialog);
    ASSERT_TRUE(fixed.Create(kLookDialog));
    ASSERT_TRUE(sizing.Create(kSizingDialog));
    QWidget* fixedWidget = WidgetOfItem(fixed, kButton)->window();
    QWidget* sizingWidget = WidgetOfItem(sizing, kButton)->window();
    EXPECT_EQ(fixedWidget->minimumSize(), fixedWidget->maximumSize());
    EXPECT_NE(sizingWidget->minimumSize(), sizingWidget->maximumSize());
    fixed.MoveWindow(10, 10, 333, 222);
    CRect rect;
    fixed.GetClientRect(&rect);
    EXPECT_EQ(rect.Width(), 333);
    EXPECT_EQ(fixedWidget->maximumSize(), QSize(333, 222));
}

TEST(WindowLook, ReadOnlyEditsAreFilledWithTheButtonFace)
{
    RegisterLookDialogs();
    LookDialog dialog;
    ASSERT_TRUE(dialog.Create(kLookDialog));
    QWidget* edit = WidgetOfItem(dialog, kReadOnly);
    EXPECT_EQ(edit->palette().color(QPalette::Base), Colour(GetSysColor(COLOR_BTNFACE)));
    static_cast<CEdit*>(dialog.GetDlgItem(kReadOnly))->SetReadOnly(FALSE);
    EXPECT_FALSE(static_cast<QLineEdit*>(edit)->isReadOnly());
    EXPECT_EQ(edit->palette().color(QPalette::Base), Colour(GetSysColor(COLOR_WINDOW)));
    static_cast<CEdit*>(dialog.GetDlgItem(kReadOnly))->SetReadOnly(TRUE);
    EXPECT_EQ(edit->palette().color(QPalette::Base), Colour(GetSysColor(COLOR_BTNFACE)));
}

TEST(WindowLook, ABitmapCheckBoxShowsItsPictureInPlaceOfItsCaption)
{
    constexpr UINT kButtonPictureDialog = 9406, kButtonPicture = 9407;
    constexpr int kCaptioned = 1003, kUncaptioned = 1004;
    const TempFolder folder;
    WriteSolidBmp(folder.File("picture.bmp"), 16, 16, RGB(200, 30, 30));
    RegisterBitmapResource(kButtonPicture, folder.File("picture.bmp").c_str());
    DialogTemplate dialog;
    dialog.id = kButtonPictureDialog;
    dialog.cx = 150;
    dialog.cy = 60;
    ControlTemplate captioned{ControlClass::Button, kCaptioned, "Blod", 10, 10, 40, 10, BS_AUTOCHECKBOX | BS_BITMAP};
    captioned.bitmap = kButtonPicture;
    ControlTemplate uncaptioned = captioned;
    uncaptioned.id = kUncaptioned;
    uncaptioned.text.clear();
    uncaptioned.y = 30;
    dialog.controls = {captioned, uncaptioned};
    RegisterDialogTemplate(dialog);

    LookDialog host(kButtonPictureDialog);
    ASSERT_TRUE(host.Create(kButtonPictureDialog));
    const auto shown = platform::ui::CaptureWindow(*host.GetDlgItem(kCaptioned));
    const auto plain = platform::ui::CaptureWindow(*host.GetDlgItem(kUncaptioned));
    int red = 0, differing = 0;
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x) {
            red += shown.Pixel(x, y) == RGB(200, 30, 30) ? 1 : 0;
            differing += shown.Pixel(x, y) != plain.Pixel(x, y) ? 1 : 0;
        }
    EXPECT_EQ(red, 16 * 16);
    EXPECT_EQ(differing, 0) << "no caption drawn";
    EXPECT_EQ(host.GetDlgItem(kCaptioned)->GetWindowText(), "Blod");
}

TEST(WindowLook, WaitCursorWhileTheObjectLives)
{
    EXPECT_FALSE(IsWaitCursorShown());
    {
        CWaitCursor wait;
        EXPECT_TRUE(IsWaitCursorShown());
    }
    EXPECT_FALSE(IsWaitCursorShown());
}

// A picture never reaches past its static: it is cut at the edges, or with SS_REALSIZECONTROL
// scaled down whole into the rectangle; with WS_EX_TRANSPARENT its background (its top-left
// pixel's colour) lets the dialog show through.
TEST(WindowLook, BitmapStaticsKeepTheirPicturesToTheirRectangles)
{
    TempFolder folder;
    WriteSolidBmp(folder.File("wide.bmp"), 40, 24, RGB(255, 0, 0));
    RegisterBitmapResource(kPictureResource, folder.File("wide.bmp").c_str());
    RegisterLookDialogs();
    LookDialog dialog(kPictureDialog);
    ASSERT_TRUE(dialog.Create(kPictureDialog));
    std::map<int, CRect> places;
    for (int id : {kPicture, kResourcePicture, kFitted, kTransparent, kText}) {
        dialog.GetDlgItem(id)->GetWindowRect(&places[id]);
        dialog.ScreenToClient(&places[id]);
    }

    // White, a blue square in the middle and a black bottom-right corner.
    constexpr COLORREF kWhite = RGB(255, 255, 255), kBlue = RGB(0, 0, 255), kBlack = RGB(0, 0, 0);
    std::vector<DWORD> pixels(32 * 32, 0xFFFFFF);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            pixels[static_cast<size_t>(y * 32 + x)] = x >= 28 && y >= 28                   ? 0x000000
                                                      : x >= 8 && x < 24 && y >= 8 && y < 24 ? 0x0000FF
                                                                                             : 0xFFFFFF;
    CBitmap square;
    ASSERT_TRUE(square.CreateBitmap(32, 32, 1, 32, pixels.data()));
    for (int id : {kPicture, kFitted, kTransparent, kText})
        static_cast<CStatic*>(dialog.GetDlgItem(id))->SetBitmap(static_cast<HBITMAP>(square.GetSafeHandle()));
    dialog.ShowWindow(SW_SHOW);
    const platform::ui::WindowPicture picture = platform::ui::CaptureWindow(dialog);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    for (const auto& [id, place] : places) {
        CRect after;
        dialog.GetDlgItem(id)->GetWindowRect(&after);
        dialog.ScreenToClient(&after);
        EXPECT_EQ(after, place) << id << " keeps its rectangle";
        CRect around = place;
        around.InflateRect(8, 8);
        for (int y = around.top; y < around.bottom; ++y)
            for (int x = around.left; x < around.right; ++x) {
                if (!place.PtInRect(CPoint(x, y))) {
                    ASSERT_EQ(picture.Pixel(x, y), face) << id << " at " << x << "," << y;
                }
            }
    }
    const auto count = [&](int id, COLORREF colour) {
        int found = 0;
        const CRect& place = places[id];
        for (int y = place.top; y < place.bottom; ++y)
            for (int x = place.left; x < place.right; ++x)
                found += picture.Pixel(x, y) == colour ? 1 : 0;
        return found;
    };
    const CRect resource = places[kResourcePicture];
    EXPECT_EQ(count(kResourcePicture, RGB(255, 0, 0)), resource.Width() * resource.Height()) << "cut at its edges";
    EXPECT_GT(count(kPicture, kWhite), 0);
    EXPECT_GT(count(kPicture, kBlue), 0);
    EXPECT_EQ(count(kPicture, kBlack), 0) << "the corner lies past the edges";
    for (int id : {kFitted, kTransparent}) {
        ASSERT_LT(places[id].Width(), 32) << id;
        ASSERT_LT(places[id].Height(), 32) << id;
        EXPECT_GT(count(id, kBlue), 0) << id;
        EXPECT_GT(count(id, kBlack), 0) << id << ": the whole picture, scaled down";
    }
    EXPECT_GT(count(kFitted, kWhite), 0);
    EXPECT_EQ(count(kTransparent, kWhite), 0) << "its background left out";
    EXPECT_GT(count(kTransparent, face), 0);
    EXPECT_EQ(count(kText, kBlue), 0) << "a text static shows no picture";
}

TEST(WindowLook, ProgressBarsShowNoTextOfTheirOwn)
{
    RegisterLookDialogs();
    LookDialog dialog(kPictureDialog);
    ASSERT_TRUE(dialog.Create(kPictureDialog));
    static_cast<CProgressCtrl*>(dialog.GetDlgItem(kBar))->SetPos(9);
    auto* bar = qobject_cast<QProgressBar*>(WidgetOfItem(dialog, kBar));
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isTextVisible());
}
