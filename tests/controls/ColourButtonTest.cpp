// The colour button: its values, its data exchange and its drawing, checked by pixels.
#include "ColourDialog.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "support/Printers.h"

#include <stdexcept>

using platform::ui::CaptureWindow;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

// Where DrawItem puts things on a button of this client size (edges of 2 pixels).
struct Layout {
    explicit Layout(const CRect& client, bool pushed)
    {
        const int shift = pushed ? 1 : 0;
        swatch = CRect(4 + shift, 4 + shift, 0, client.bottom - 4 + shift);
        arrowLeft = client.right - 4 + shift - 4 - 1;
        // The etched edge stands on the last two columns left of the arrow's gap of one.
        separator = arrowLeft - 1 - 2;
        swatch.right = arrowLeft - 1 - 5;
        arrowTop = (swatch.top + swatch.bottom) / 2 - 1;
    }
    CRect swatch;
    int arrowLeft;
    int arrowTop;
    int separator;   // the shadow column; the highlight lies right of it
};

} // namespace

TEST_F(ColourTest, ButtonStartsWithTheDefaultColourAndBothCaptions)
{
    const CColorButton button;
    EXPECT_EQ(button.GetColor(), CLR_DEFAULT);
    EXPECT_EQ(button.GetDefaultColor(), GetSysColor(COLOR_APPWORKSPACE));
    EXPECT_EQ(button.m_strDefaultText, CString("Automatic"));
    EXPECT_EQ(button.m_strCustomText, CString("More Colors..."));
    EXPECT_FALSE(button.GetTrackSelection());
    EXPECT_FALSE(button.m_bPopupActive);
    EXPECT_EQ(dialog.button.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW) << "attaching makes it owner-drawn";
    EXPECT_EQ(dialog.button.SendMessage(WM_CREATE, 0, 0), 0);
}

TEST_F(ColourTest, DataExchangeLoadsAndSavesTheColour)
{
    COLORREF value = RGB(9, 8, 7);
    CDataExchange load(&dialog, FALSE);
    DDX_ColorButton(&load, kColourButton, value);
    EXPECT_EQ(dialog.button.GetColor(), RGB(9, 8, 7));
    dialog.button.SetColor(RGB(1, 1, 1));
    CDataExchange save(&dialog, TRUE);
    DDX_ColorButton(&save, kColourButton, value);
    EXPECT_EQ(value, RGB(1, 1, 1));
    EXPECT_THROW(DDX_ColorButton(&save, kPlainLabel, value), std::runtime_error);
    EXPECT_THROW(DDX_ColorButton(&save, 4711, value), std::runtime_error);
}

TEST_F(ColourTest, ButtonShowsItsColourInAFramedSwatchBesideABlackArrow)
{
    dialog.button.SetColor(RGB(10, 200, 30));
    CRect client;
    dialog.button.GetClientRect(&client);
    const Layout at(client, false);
    const auto picture = CaptureWindow(dialog.button);
    EXPECT_EQ(picture.Pixel(0, 0), GetSysColor(COLOR_3DHILIGHT)) << "a raised push-button frame";
    EXPECT_EQ(picture.Pixel(client.right - 1, client.bottom - 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(picture.Pixel(at.swatch.left + 3, at.swatch.CenterPoint().y), RGB(10, 200, 30));
    EXPECT_EQ(picture.Pixel(at.swatch.right - 2, at.swatch.CenterPoint().y), RGB(10, 200, 30));
    EXPECT_EQ(picture.Pixel(at.swatch.left, at.swatch.CenterPoint().y), kBlack) << "framed in black";
    EXPECT_EQ(picture.Pixel(at.swatch.right - 1, at.swatch.CenterPoint().y), kBlack);
    EXPECT_EQ(picture.Pixel(at.swatch.right, at.swatch.CenterPoint().y), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(picture.Pixel(at.separator, at.swatch.CenterPoint().y), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.Pixel(at.separator + 1, at.swatch.CenterPoint().y), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(picture.Pixel(at.arrowLeft + 2, at.arrowTop), kBlack) << "the arrow's base";
    EXPECT_EQ(picture.Pixel(at.arrowLeft + 2, at.arrowTop - 1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ColourTest, DefaultColourFillsTheSwatchOfAButtonWithoutAColour)
{
    CRect client;
    dialog.button.GetClientRect(&client);
    const Layout at(client, false);
    dialog.button.SetColor(CLR_DEFAULT);
    EXPECT_EQ(CaptureWindow(dialog.button).Pixel(at.swatch.left + 3, at.swatch.CenterPoint().y),
              GetSysColor(COLOR_APPWORKSPACE));
    dialog.button.SetDefaultColor(RGB(200, 100, 0));
    EXPECT_EQ(CaptureWindow(dialog.button).Pixel(at.swatch.left + 3, at.swatch.CenterPoint().y), RGB(200, 100, 0));
}

TEST_F(ColourTest, ButtonLooksPushedWhileItsPopupIsOpen)
{
    dialog.button.SetColor(RGB(10, 200, 30));
    CRect client;
    dialog.button.GetClientRect(&client);
    ASSERT_NE(Open(), nullptr);
    const Layout at(client, true);
    const auto picture = CaptureWindow(dialog.button);
    EXPECT_EQ(picture.Pixel(0, 0), GetSysColor(COLOR_3DDKSHADOW)) << "a sunken frame";
    EXPECT_EQ(picture.Pixel(client.right - 1, client.bottom - 1), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(picture.Pixel(at.swatch.left, at.swatch.CenterPoint().y), kBlack) << "the face moved one pixel";
    EXPECT_EQ(picture.Pixel(at.swatch.left - 1, at.swatch.CenterPoint().y), GetSysColor(COLOR_BTNFACE));
    platform::ui::SimulateKey(*Popup(), VK_ESCAPE);
    EXPECT_EQ(CaptureWindow(dialog.button).Pixel(0, 0), GetSysColor(COLOR_3DHILIGHT)) << "raised again";
}

TEST_F(ColourTest, DisabledButtonHasAGreyArrowAndNoSwatch)
{
    dialog.button.SetColor(RGB(10, 200, 30));
    dialog.button.EnableWindow(FALSE);
    CRect client;
    dialog.button.GetClientRect(&client);
    const Layout at(client, false);
    const auto picture = CaptureWindow(dialog.button);
    EXPECT_EQ(picture.Pixel(at.swatch.left + 3, at.swatch.CenterPoint().y), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(picture.Pixel(at.swatch.left, at.swatch.CenterPoint().y), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(picture.Pixel(at.arrowLeft + 2, at.arrowTop), GetSysColor(COLOR_GRAYTEXT));
}

TEST(ColourButtonArrow, PointsEachWayAndPutsTheDcBack)
{
    struct Way {
        int direction;
        POINT base, tip, off;
    };
    const Way ways[] = {
        {0, {4, 1}, {4, 6}, {1, 6}},   // down: base on the top edge
        {1, {4, 7}, {4, 2}, {1, 1}},   // up
        {2, {7, 4}, {2, 4}, {1, 1}},   // left: base on the right edge
        {3, {1, 4}, {6, 4}, {7, 1}},   // right
    };
    for (const Way& way : ways) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateBitmap(9, 9, 1, 32, nullptr);
        CBitmap* previousBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 9, 9, RGB(255, 255, 255));
        CBrush mine(RGB(1, 1, 1));
        CBrush* previousBrush = dc.SelectObject(&mine);
        CRect rect(0, 0, 8, 8);
        CColorButton::DrawArrow(&dc, &rect, way.direction, RGB(200, 0, 0));
        EXPECT_EQ(dc.GetPixel(way.base), RGB(200, 0, 0)) << "direction " << way.direction;
        EXPECT_EQ(dc.GetPixel(way.tip), RGB(200, 0, 0)) << "direction " << way.direction;
        EXPECT_EQ(dc.GetPixel(way.off), RGB(255, 255, 255)) << "direction " << way.direction;
        EXPECT_EQ(dc.SelectObject(previousBrush), &mine) << "the brush is put back";
        dc.SelectObject(previousBitmap);
    }
}
