// Where the colour popup puts its boxes and itself, and how it draws them, checked by pixels.
#include "ColourDialog.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"

#include <algorithm>

using platform::ui::CaptureWindow;

namespace {

constexpr int kCustom = CColourDropDown::CUSTOM_BOX_VALUE, kDefault = CColourDropDown::DEFAULT_BOX_VALUE;
constexpr int kNone = CColourDropDown::INVALID_COLOUR;
// Margin (SM_CXEDGE) and cell size.
constexpr int m = 2, B = 18;

CRect Box(CColourDropDown& popup, int index)
{
    CRect rect;
    EXPECT_TRUE(popup.GetBoxRect(index, &rect)) << index;
    return rect;
}

// The captions' size as the popup measures them, with its additions.
CSize CaptionSize(CColourDropDown& popup, std::initializer_list<LPCTSTR> captions)
{
    CClientDC dc(&popup);
    dc.SelectObject(&popup.m_Font);
    CSize size(0, 0);
    for (LPCTSTR caption : captions) {
        const CSize text = dc.GetTextExtent(caption);
        size.cx = std::max(size.cx, text.cx);
        size.cy = std::max(size.cy, text.cy);
    }
    return CSize(size.cx + 2 * m, size.cy + 4 * m + 2);
}

} // namespace

TEST_F(ColourTest, WithoutBoxesTheGridFillsThePopupRowByRow)
{
    dialog.button.SetDefaultText("");
    dialog.button.SetCustomText("");
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->m_nNumColumns, 8);
    EXPECT_EQ(popup->m_nNumRows, 5);
    EXPECT_EQ(Box(*popup, 0), CRect(m, m, m + B, m + B));
    EXPECT_EQ(Box(*popup, 9), CRect(m + B, m + B, m + 2 * B, m + 2 * B));
    EXPECT_EQ(Box(*popup, 39), CRect(m + 7 * B, m + 4 * B, m + 8 * B, m + 5 * B));
    CRect rect;
    EXPECT_FALSE(popup->GetBoxRect(kNone, &rect));
    EXPECT_FALSE(popup->GetBoxRect(40, &rect));
    EXPECT_EQ(popup->m_WindowRect.Size(), CSize(8 * B + 2 * m, 5 * B + 2 * m));
    EXPECT_EQ(popup->BoxIndex(4, 7), 39);
    EXPECT_EQ(popup->BoxIndex(5, 0), kNone);
    EXPECT_EQ(popup->BoxIndex(0, 8), kNone);
    EXPECT_EQ(popup->BoxIndex(kCustom, 0), kNone) << "no custom box";
    EXPECT_EQ(popup->BoxIndex(0, kDefault), kNone) << "no default box";
    EXPECT_EQ(popup->BoxRow(kCustom), kNone);
    EXPECT_EQ(popup->BoxRow(21), 2);
    EXPECT_EQ(popup->BoxColumn(21), 5);
    EXPECT_EQ(popup->BoxColumn(40), kNone);
}

TEST_F(ColourTest, DefaultBoxAboveAndCustomBoxBelowTheGrid)
{
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    const CSize text = CaptionSize(*popup, {"Automatic", "More Colors..."});
    const int width = 8 * B + 2 * m;
    ASSERT_LT(text.cx, width) << "the captions are narrower than the grid";
    EXPECT_EQ(popup->m_DefaultTextRect, CRect(m, m, width - m, text.cy + 2 * m));
    const int gridTop = m + popup->m_DefaultTextRect.Height() + m;
    EXPECT_EQ(Box(*popup, 0), CRect(m, gridTop, m + B, gridTop + B));
    const int customTop = 5 * B + 2 * m + popup->m_DefaultTextRect.Height() + 2 * m;
    EXPECT_EQ(popup->m_CustomTextRect, CRect(m, customTop, width - m, customTop + m + text.cy));
    EXPECT_EQ(popup->m_WindowRect.Size(), CSize(width, customTop + popup->m_CustomTextRect.Height() + 2 * m));
    EXPECT_EQ(Box(*popup, kDefault), popup->m_DefaultTextRect);
    EXPECT_EQ(Box(*popup, kCustom), popup->m_CustomTextRect);
    EXPECT_EQ(popup->BoxIndex(kCustom, 3), kCustom);
    EXPECT_EQ(popup->BoxIndex(kDefault, kDefault), kDefault);
    EXPECT_EQ(popup->BoxRow(kDefault), kDefault);
    EXPECT_EQ(popup->BoxColumn(kCustom), kCustom);
    CRect window;
    popup->GetWindowRect(&window);
    EXPECT_EQ(window, popup->m_WindowRect);
}

TEST_F(ColourTest, ALongCaptionWidensThePopupAndBothBoxes)
{
    dialog.button.SetDefaultText("A default caption far wider than eight colour cells");
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    const CSize text = CaptionSize(*popup, {"A default caption far wider than eight colour cells", "More Colors..."});
    EXPECT_EQ(popup->m_WindowRect.Width(), text.cx);
    EXPECT_EQ(popup->m_DefaultTextRect.Width(), text.cx - 2 * m);
    EXPECT_EQ(popup->m_CustomTextRect.Width(), text.cx - 2 * m);
    EXPECT_EQ(Box(*popup, 7).right, m + 8 * B) << "the grid keeps its place";
}

TEST_F(ColourTest, APopupMadeWithoutAWindowCanBeCreatedLater)
{
    auto* popup = new CColourDropDown;
    EXPECT_EQ(popup->m_nNumColumns, 0);
    EXPECT_EQ(popup->BoxRow(5), kNone) << "no grid before the layout";
    EXPECT_FALSE(popup->Create(CPoint(0, 0), RGB(0, 0, 0), nullptr, "Auto", nullptr)) << "no button";
    ASSERT_TRUE(popup->Create(CPoint(0, 0), RGB(0, 0, 0), &dialog.button, "Auto", nullptr));
    EXPECT_EQ(popup->m_strDefaultText, CString("Auto"));
    EXPECT_TRUE(popup->m_strCustomText.IsEmpty());
    EXPECT_EQ(popup->m_nChosenColourSel, 0);
    EXPECT_EQ(Popup(), popup);
    platform::ui::SimulateKey(*popup, VK_ESCAPE);
    EXPECT_EQ(Popup(), nullptr) << "it deleted itself";
}

TEST_F(ColourTest, TheOpeningColourChoosesItsBox)
{
    const struct {
        COLORREF colour;
        bool withDefault;
        bool withCustom;
        int chosen;
    } cases[] = {
        {CLR_DEFAULT, true, true, kDefault},      {CLR_DEFAULT, false, true, kCustom},
        {RGB(0, 0, 255), true, true, 13},         {RGB(1, 2, 3), true, true, kCustom},
        {RGB(1, 2, 3), true, false, kNone},       {RGB(255, 255, 255), false, false, 39},
    };
    for (const auto& c : cases) {
        dialog.button.SetColor(c.colour);
        dialog.button.SetDefaultText(c.withDefault ? "default" : "");
        dialog.button.SetCustomText(c.withCustom ? "More colores..." : "");
        CColourDropDown* popup = Open();
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->m_nChosenColourSel, c.chosen) << std::hex << c.colour;
        EXPECT_EQ(popup->m_nCurrentSel, kNone);
        platform::ui::SimulateKey(*popup, VK_ESCAPE);
    }
}

TEST_F(ColourTest, ChosenCellLooksSunkenAndTheCurrentOneRaised)
{
    dialog.button.SetColor(CColourDropDown::CellColour(13));
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    CRect chosen = Box(*popup, 13);
    auto picture = CaptureWindow(*popup);
    EXPECT_EQ(picture.Pixel(chosen.left, chosen.top), GetSysColor(COLOR_3DSHADOW)) << "sunken";
    EXPECT_EQ(picture.Pixel(chosen.right - 1, chosen.bottom - 1), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(picture.Pixel(chosen.left + 2, chosen.top + 2), GetSysColor(COLOR_3DHILIGHT)) << "a light fill";
    EXPECT_EQ(picture.Pixel(chosen.left + m + 1, chosen.top + m + 1), GetSysColor(COLOR_3DSHADOW)) << "swatch frame";
    EXPECT_EQ(picture.Pixel(chosen.CenterPoint().x, chosen.CenterPoint().y), RGB(0, 0, 255));
    const CRect plain = Box(*popup, 20);
    EXPECT_EQ(picture.Pixel(plain.left, plain.top), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(picture.Pixel(plain.left + 2, plain.top + 2), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(picture.Pixel(plain.CenterPoint().x, plain.CenterPoint().y), RGB(127, 255, 212));

    platform::ui::SimulateMouse(*popup, WM_MOUSEMOVE, chosen.CenterPoint());
    picture = CaptureWindow(*popup);
    EXPECT_EQ(picture.Pixel(chosen.left, chosen.top), GetSysColor(COLOR_3DHILIGHT)) << "raised while current";
    EXPECT_EQ(picture.Pixel(chosen.right - 1, chosen.bottom - 1), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(picture.Pixel(chosen.left + 2, chosen.top + 2), GetSysColor(COLOR_3DFACE));
}

TEST_F(ColourTest, BoxesShowTheirCaptionsEdgesAndTheSeparator)
{
    dialog.button.SetColor(CLR_DEFAULT);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    const auto picture = CaptureWindow(*popup);
    CRect inner = popup->m_DefaultTextRect;
    inner.DeflateRect(1, 1);
    EXPECT_EQ(picture.Pixel(inner.left, inner.top), GetSysColor(COLOR_3DSHADOW)) << "the chosen default box, sunken";
    EXPECT_EQ(picture.Pixel(inner.right - 1, inner.bottom - 1), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(picture.Pixel(inner.left + 2 * m, inner.top + 2 * m + 1), GetSysColor(COLOR_3DSHADOW))
        << "the hollow frame inside it";
    int ink = 0;
    for (int x = inner.left + 2 * m + 1; x < inner.right - 2 * m - 1; ++x)
        for (int y = inner.top + 2 * m + 1; y < inner.bottom - 2 * m - 1; ++y)
            ink += picture.Pixel(x, y) == RGB(0, 0, 0) ? 1 : 0;
    EXPECT_GT(ink, 10) << "the caption in black";

    const CRect custom = popup->m_CustomTextRect;
    EXPECT_EQ(picture.Pixel(custom.left + 2 * m, custom.top), GetSysColor(COLOR_3DSHADOW)) << "separator";
    EXPECT_EQ(picture.Pixel(custom.left + 2 * m, custom.top + 1), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(picture.Pixel(custom.left, custom.top), GetSysColor(COLOR_3DFACE)) << "the separator is indented";
    EXPECT_EQ(picture.Pixel(custom.left + 1, custom.top + 2 * m + 1), GetSysColor(COLOR_3DFACE)) << "no edge";

    const CRect window = popup->m_WindowRect;
    EXPECT_EQ(picture.Pixel(1, 1), GetSysColor(COLOR_3DHILIGHT)) << "a raised edge round the popup";
    EXPECT_EQ(picture.Pixel(window.Width() - 1, window.Height() - 1), GetSysColor(COLOR_3DDKSHADOW));
}
