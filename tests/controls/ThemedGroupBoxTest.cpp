// The group box draws the classic way here (no visual-styles library) and groups its controls.
#include "ControlDialog.h"
#include "controls/groupbox/ThemedGroupBox.h"
#include "platform/ui/Images.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "support/Printers.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using platform::ui::CaptureWindow;

namespace {

// The control dialog answering WM_CTLCOLORSTATIC for the group box: a yellow brush, blue text
// on no background.
class ColouringDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    ColouringDialog() : CDialog(kControlDialog) {}
    CBrush yellow{RGB(255, 255, 0)};

private:
    LRESULT OnCtlColorStatic(WPARAM dc, LPARAM control)
    {
        if (reinterpret_cast<HWND>(control) != GetDlgItem(kGroup)->m_hWnd)
            return Default();
        CDC::FromHandle(reinterpret_cast<HDC>(dc))->SetTextColor(RGB(0, 0, 255));
        CDC::FromHandle(reinterpret_cast<HDC>(dc))->SetBkMode(TRANSPARENT);
        return reinterpret_cast<LRESULT>(yellow.GetSafeHandle());
    }
};

RV_MESSAGE_MAP(ColouringDialog, CDialog, msgmap::Message(WM_CTLCOLORSTATIC, &T::OnCtlColorStatic))

} // namespace

TEST(ThemedGroupBox, TheParentsAnswerColoursTheBoxAndItsCaption)
{
    RegisterControlDialog();
    ColouringDialog dialog;
    ASSERT_TRUE(dialog.Create(kControlDialog));
    dialog.ShowWindow(SW_SHOW);
    CThemedGroupBox box;
    ASSERT_TRUE(box.SubclassDlgItem(kGroup, &dialog));
    box.SetWindowText("Group", FALSE);
    const auto picture = CaptureWindow(box);
    EXPECT_EQ(picture.Pixel(picture.Width() / 2, picture.Height() / 2), RGB(255, 255, 0)) << "inside the frame too";
    int face = 0, blue = 0;
    for (int y = 0; y < 2 * box.m_nHalfBand; ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            face += picture.Pixel(x, y) == GetSysColor(COLOR_BTNFACE) ? 1 : 0;
            blue += picture.Pixel(x, y) == RGB(0, 0, 255) ? 1 : 0;
        }
    EXPECT_EQ(face, 0) << "the caption has no background of its own";
    EXPECT_GT(blue, 0) << "the caption is in the parent's text colour";
}

TEST_F(ControlDialogTest, GroupBoxWithoutThemeDrawsAnEtchedShadowFrame)
{
    CThemedGroupBox box;
    ASSERT_TRUE(box.SubclassDlgItem(kGroup, &dialog));
    EXPECT_FALSE(box.m_bThemed);
    EXPECT_EQ(box.m_crText, GetSysColor(COLOR_BTNTEXT));
    box.SetWindowText("");
    const auto picture = CaptureWindow(box);
    // Without text or icon the band is one pixel: the frame's top line is row 0.
    EXPECT_EQ(box.m_nHalfBand, 0);
    // Etched: the rectangle loses a pixel at right and bottom for the highlight beside it.
    const int right = picture.Width() - 2;
    const int bottom = picture.Height() - 2;
    EXPECT_EQ(picture.Pixel(30, 0), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.Pixel(0, 10), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.Pixel(right, 10), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.Pixel(30, bottom), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.Pixel(30, 1), GetSysColor(COLOR_3DHILIGHT)) << "etched: a highlight line inside";
    // The empty caption still cuts the line: a band 6 wide at the left margin of 8.
    EXPECT_EQ(picture.Pixel(8, 0), box.m_crBackground);
    EXPECT_EQ(picture.Pixel(14, 0), GetSysColor(COLOR_3DSHADOW));
}

TEST_F(ControlDialogTest, GroupBoxCaptionBandCutsTheFrameWhereTheCaptionSits)
{
    CThemedGroupBox box;
    ASSERT_TRUE(box.SubclassDlgItem(kGroup, &dialog));
    CRect client;
    box.GetClientRect(&client);
    box.MoveWindow(0, 60, 200, client.Height());
    box.SetBorderStyle(0, FALSE).SetBorderColor(RGB(0, 0, 0), FALSE).SetAlignment(1, FALSE);
    box.SetWindowText("", FALSE);
    box.m_sizeText = CSize(50, 13);   // as measured for a caption 50 pixels wide
    const auto picture = CaptureWindow(box);
    const int line = box.m_nHalfBand;
    ASSERT_EQ(line, 7);
    // A centred frame caption of width 50 in a box 200 wide: a band 56 wide from x = 72.
    EXPECT_EQ(picture.Pixel(71, line), RGB(0, 0, 0));
    EXPECT_EQ(picture.Pixel(72, line), box.m_crBackground);
    EXPECT_EQ(picture.Pixel(127, line), box.m_crBackground);
    EXPECT_EQ(picture.Pixel(128, line), RGB(0, 0, 0));

    // A header-style caption at the right sits flush with the edge.
    box.SetControlStyle(1, FALSE).SetAlignment(2, FALSE);
    const auto header = CaptureWindow(box);
    EXPECT_EQ(header.Pixel(200 - 54, line), RGB(0, 0, 0));
    EXPECT_EQ(header.Pixel(200 - 53, line), box.m_crBackground);
    EXPECT_EQ(header.Pixel(199, line), box.m_crBackground);
}

TEST_F(ControlDialogTest, DisablingTheGroupDisablesWhatLiesInsideAndGreysTheBox)
{
    CThemedGroupBox box;
    ASSERT_TRUE(box.SubclassDlgItem(kGroup, &dialog));
    box.SetBorderColor(RGB(200, 0, 0), FALSE).SetBorderStyle(0, FALSE).SetWindowText("Group", FALSE);
    box.EnableWindow(FALSE, TRUE);
    EXPECT_FALSE(box.IsWindowEnabled());
    EXPECT_FALSE(dialog.GetDlgItem(kInside)->IsWindowEnabled());
    EXPECT_FALSE(dialog.GetDlgItem(kOnEdge)->IsWindowEnabled()) << "edges may touch";
    EXPECT_TRUE(dialog.GetDlgItem(kOutside)->IsWindowEnabled());
    const auto picture = CaptureWindow(box);
    EXPECT_EQ(picture.Pixel(2, picture.Height() - 1), GetSysColor(COLOR_3DSHADOW))
        << "a disabled frame is drawn in the shadow colour";
    box.EnableWindow(TRUE, TRUE);
    EXPECT_TRUE(dialog.GetDlgItem(kInside)->IsWindowEnabled());
}

TEST_F(ControlDialogTest, GroupBoxFontSettersChainAndReport)
{
    CThemedGroupBox box;
    ASSERT_TRUE(box.SubclassDlgItem(kGroup, &dialog));
    box.SetFont("Tahoma", 12, FALSE).SetBold(TRUE, FALSE);
    EXPECT_TRUE(box.GetBold());
    EXPECT_EQ(box.GetFontFaceName(), "Tahoma");
    EXPECT_EQ(box.GetFontPointSize(), 12);
    box.SetBold(FALSE, FALSE);
    EXPECT_FALSE(box.GetBold());
    CThemedGroupBox unattached;
    EXPECT_EQ(unattached.GetFontFaceName(), "MS Sans Serif");
    EXPECT_EQ(unattached.GetFontPointSize(), 8);
}

TEST_F(ControlDialogTest, GroupBoxCaptionFontCopiesTheWindowFontInTheDefaultCharacterSet)
{
    CFont western;
    ASSERT_TRUE(western.CreateFont(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
    dialog.GetDlgItem(kGroup)->SetFont(&western, FALSE);
    CThemedGroupBox box;
    ASSERT_TRUE(box.SubclassDlgItem(kGroup, &dialog));
    LOGFONT caption;
    ASSERT_TRUE(box.GetLogFont(&caption));
    EXPECT_EQ(caption.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(caption.lfHeight, -15);
    EXPECT_EQ(caption.lfWeight, FW_BOLD);
    EXPECT_EQ(caption.lfFaceName, "Tahoma");
}

TEST_F(ControlDialogTest, GroupBoxFaceNamesKeepTheirFirst31CharactersWhole)
{
    CThemedGroupBox box;
    ASSERT_TRUE(box.SubclassDlgItem(kGroup, &dialog));
    std::string face, kept;
    for (int n = 0; n < 40; ++n) {
        face += "宋";
        if (n < 31)
            kept += "宋";
    }
    box.SetFont(face.c_str(), 12, FALSE);
    EXPECT_EQ(box.GetFontFaceName(), CString(kept));
}

// Also run at 120 dots per inch (tests/controls/CMakeLists.txt), where 12 points are 20 pixels.
TEST_F(ControlDialogTest, GroupBoxFontPointsFollowTheDisplayResolution)
{
    const char* resolution = std::getenv("QT_FONT_DPI");
    const bool at120 = resolution && std::atoi(resolution) == 120;
    CThemedGroupBox box;
    ASSERT_TRUE(box.SubclassDlgItem(kGroup, &dialog));
    box.SetFont("Tahoma", 12, FALSE);
    LOGFONT logFont;
    box.GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfHeight, at120 ? -20 : -16);
    EXPECT_EQ(box.GetFontPointSize(), 12);
    logFont.lfHeight = at120 ? -15 : -12;
    box.SetFont(&logFont, FALSE);
    EXPECT_EQ(box.GetFontPointSize(), 9);
}

TEST_F(ControlDialogTest, GroupBoxCaptionFromTheStringTableOrNone)
{
    CThemedGroupBox box;
    ASSERT_TRUE(box.SubclassDlgItem(kGroup, &dialog));
    RegisterStringResource(101, "日记设置");
    box.SetWindowText(101u, FALSE);
    EXPECT_EQ(box.GetWindowText(), "日记设置");
    box.SetWindowText(static_cast<LPCTSTR>(nullptr), FALSE);
    EXPECT_EQ(box.GetWindowText(), "");
}

TEST(ThemedGroupBox, GreyIconTakesEachPixelsBrightnessAndWhiteBecomes254)
{
    const std::uint32_t pixels[4] = {0xFFFFFFFFu, 0xFF000000u, 0xFF3060C0u, 0x00000000u};
    CBitmap colour, mask;
    ASSERT_TRUE(colour.CreateBitmap(2, 2, 1, 32, pixels));
    ASSERT_TRUE(mask.CreateBitmap(2, 2, 1, 32, nullptr));
    ICONINFO info;
    info.hbmColor = static_cast<HBITMAP>(colour.GetSafeHandle());
    info.hbmMask = static_cast<HBITMAP>(mask.GetSafeHandle());
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    CThemedGroupBox box;
    HICON grey = box.CreateGrayscaleIcon(icon);
    ASSERT_NE(grey, nullptr);
    EXPECT_TRUE(box.m_bGrayRampBuilt);
    EXPECT_EQ(g_grayRamp[1], RGB(254, 254, 254));
    ICONINFO greyInfo;
    ASSERT_TRUE(GetIconInfo(grey, &greyInfo));
    std::uint32_t out[4] = {};
    ASSERT_EQ(GetBitmapBits(greyInfo.hbmColor, sizeof out, out), static_cast<LONG>(sizeof out));
    EXPECT_EQ(out[0] & 0xFFFFFF, 0xFEFEFEu) << "white becomes grey 254";
    EXPECT_EQ(out[1] & 0xFFFFFF, 0x000000u);
    const std::uint32_t average = (0x30 + 0x60 + 0xC0) / 3;
    EXPECT_EQ(out[2] & 0xFF, average);
    EXPECT_EQ(out[2] >> 24, 0xFFu) << "alpha stays";
    DeleteObject(greyInfo.hbmColor);
    DeleteObject(greyInfo.hbmMask);
    DestroyIcon(grey);
    DestroyIcon(icon);
}
