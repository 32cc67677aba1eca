// The owner-drawn list and its gradient header, checked by what they paint.
#include "ControlDialog.h"
#include "controls/lists/OwnerDrawList.h"
#include "platform/ui/DC.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "support/Printers.h"

using platform::ui::CaptureWindow;
using platform::ui::SimulateMouse;

namespace {

class OwnerDrawListTest : public ControlDialogTest {
protected:
    void SetUp() override
    {
        ControlDialogTest::SetUp();
        ASSERT_TRUE(list.SubclassDlgItem(kList, &dialog));
        list.InsertColumn(0, "左", LVCFMT_LEFT, 80);
        list.InsertColumn(1, "Right", LVCFMT_RIGHT, 80);
        list.InsertColumn(2, "Odd", 7, 60);
        for (int row = 0; row < 3; ++row) {
            list.InsertItem(row, "WW");
            list.SetItemText(row, 1, "WW");
            list.SetItemText(row, 2, "WW");
        }
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    }
    int CountIn(const platform::ui::WindowPicture& picture, const CRect& area, COLORREF colour) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += picture.Pixel(x, y) == colour ? 1 : 0;
        return count;
    }
    // A double click on the header's divider right of the column.
    void DoubleClickDivider(int column)
    {
        CRect client, item;
        list.m_header.GetClientRect(&client);
        list.m_header.GetItemRect(column, &item);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            SimulateMouse(list.m_header, message, POINT{item.right, client.Height() / 2});
    }
    // The pixels of a cell that are not the list's background.
    int CellInk(int row, int column)
    {
        CRect label;
        list.GetSubItemRect(row, column, LVIR_LABEL, label);
        return label.Width() * label.Height() - CountIn(CaptureWindow(list), label, list.GetBkColor());
    }
    COwnerDrawList list;
};

} // namespace

TEST(OwnerDrawHeader, HeightFactorIsWidenedBeforeTheProduct)
{
    EXPECT_EQ(ScaleHeaderHeight(20, 1.3f), 25);
    EXPECT_EQ(ScaleHeaderHeight(21, 1.3f), 27);
    EXPECT_EQ(ScaleHeaderHeight(20, 1.0f), 20);
}

TEST_F(OwnerDrawListTest, AttachingMakesTheRowsOwnerDrawnAndRemembersTheAlignments)
{
    EXPECT_TRUE(list.GetStyle() & LVS_OWNERDRAWFIXED);
    EXPECT_EQ(list.m_header.m_alignDigits, "021") << "left, right, and anything else centred";
    ASSERT_EQ(list.m_header.m_captions.size(), 3u);
    EXPECT_EQ(list.m_header.m_captions[0], "左");
    EXPECT_EQ(CWnd::FromHandle(list.m_header.m_hWnd), &list.m_header);
}

TEST_F(OwnerDrawListTest, HeaderPaintsItsGradientBeyondTheLastColumnToo)
{
    const auto picture = CaptureWindow(list.m_header);
    EXPECT_EQ(picture.Pixel(40, 0), RGB(171, 199, 235));
    EXPECT_EQ(picture.Pixel(40, 1), RGB(163, 191, 227)) << "8 darker each pixel row";
    EXPECT_EQ(picture.Pixel(250, 1), RGB(163, 191, 227)) << "the band right of the last column";
    list.SetHeaderBackground(139, 137, 137, 0);
    list.m_header.Invalidate();
    const auto flat = CaptureWindow(list.m_header);
    EXPECT_EQ(flat.Pixel(40, 0), RGB(139, 137, 137));
    EXPECT_EQ(flat.Pixel(40, flat.Height() - 2), RGB(139, 137, 137));
}

TEST_F(OwnerDrawListTest, TheWindowsNamesOfTheHeaderSettersSetTheHeader)
{
    list.SetHeaderBKColor(139, 137, 130, 2);
    list.SetHeaderFontHW(12, 5);
    const COwnerDrawHeader& header = list.m_header;
    EXPECT_EQ((std::vector<int>{header.m_baseRed, header.m_baseGreen, header.m_baseBlue, header.m_gradientStep}),
              (std::vector<int>{139, 137, 130, 2}));
    EXPECT_EQ(header.m_fontHeight, 12);
    EXPECT_EQ(header.m_fontWidth, 5);
}

TEST_F(OwnerDrawListTest, RowHeightIsAskedAgainAndZeroKeepsTheSystems)
{
    CRect before;
    list.GetItemRect(0, &before, LVIR_BOUNDS);
    list.SetRowHeight(0);
    CRect same;
    list.GetItemRect(0, &same, LVIR_BOUNDS);
    EXPECT_EQ(same.Height(), before.Height());
    list.SetRowHeight(24);
    CRect tall;
    list.GetItemRect(0, &tall, LVIR_BOUNDS);
    EXPECT_EQ(tall.Height(), 24);
    CRect next;
    list.GetItemRect(1, &next, LVIR_BOUNDS);
    EXPECT_EQ(next.top, tall.bottom);
}

TEST_F(OwnerDrawListTest, CellColoursAndTheSelectedRow)
{
    list.SetRowHeight(22);
    list.SetItemColor(1, 0, RGB(0, 200, 0));
    list.SetColColor(2, RGB(0, 0, 200));
    list.SetItemTextColor(0, 1, RGB(250, 0, 0));
    list.SetItemTextColor(0, 1, RGB(200, 0, 200));   // the second colour counts
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetSelectedBkColor(RGB(10, 36, 106));
    const auto picture = CaptureWindow(list);

    CRect cell10, cell20, cell01, cell21;
    list.GetSubItemRect(0, 1, LVIR_LABEL, cell10);
    list.GetSubItemRect(0, 2, LVIR_LABEL, cell20);
    list.GetSubItemRect(1, 0, LVIR_LABEL, cell01);
    list.GetSubItemRect(1, 2, LVIR_LABEL, cell21);
    EXPECT_EQ(picture.Pixel(cell10.left + 2, cell10.top + 1), RGB(0, 200, 0));
    EXPECT_EQ(picture.Pixel(cell20.left + 2, cell20.top + 1), RGB(0, 0, 200));
    // The selected row ignores column backgrounds but keeps a cell's own text colour.
    EXPECT_EQ(picture.Pixel(cell21.left + 2, cell21.top + 1), RGB(10, 36, 106));
    EXPECT_GT(CountIn(picture, cell01, RGB(200, 0, 200)), 5);
    EXPECT_EQ(CountIn(picture, cell01, RGB(250, 0, 0)), 0);
}

TEST_F(OwnerDrawListTest, ARightAlignedColumnHugsItsRightEdge)
{
    list.SetRowHeight(22);
    list.SetItemTextColor(1, 0, RGB(0, 0, 255));
    const auto picture = CaptureWindow(list);
    CRect cell;
    list.GetSubItemRect(0, 1, LVIR_LABEL, cell);
    CRect leftHalf = cell, rightHalf = cell;
    leftHalf.right = rightHalf.left = cell.left + cell.Width() / 2;
    EXPECT_EQ(CountIn(picture, leftHalf, RGB(0, 0, 255)), 0);
    EXPECT_GT(CountIn(picture, rightHalf, RGB(0, 0, 255)), 5);
}

TEST_F(OwnerDrawListTest, AMeasureRequestForAnotherWindowsItemIsLeftToTheDefault)
{
    list.SetRowHeight(24);
    MEASUREITEMSTRUCT measure;
    measure.CtlID = 4321;
    measure.itemHeight = 7;
    EXPECT_EQ(list.SendMessage(WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure)), 0);
    EXPECT_EQ(measure.itemHeight, 7u) << "the row height is the list's own rows' only";
}

TEST_F(OwnerDrawListTest, ACellShowsTwoHundredFiftyFiveCharactersOfItsText)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "日";
    CDC measure;
    measure.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    CFont font;
    font.CreateFont(list.m_fontHeight + 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Fixedsys");
    measure.SelectObject(&font);
    const int glyph = measure.GetTextExtent("日").cx;
    ASSERT_GT(glyph, 0);

    list.MoveWindow(0, 0, 320 * glyph, 80);
    list.SetColumnWidth(0, 310 * glyph);
    list.SetItemText(0, 0, text.c_str());
    const auto picture = CaptureWindow(list);
    CRect cell;
    list.GetSubItemRect(0, 0, LVIR_LABEL, cell);
    const int textLeft = cell.left + 6;
    const auto inked = [&](int firstCharacter, int lastCharacter) {
        CRect area(textLeft + firstCharacter * glyph, cell.top, textLeft + lastCharacter * glyph, cell.bottom);
        return area.Width() * area.Height() - CountIn(picture, area, list.GetBkColor());
    };
    EXPECT_GT(inked(200, 254), 0) << "far more than 255 bytes of the text";
    EXPECT_EQ(inked(256, 300), 0) << "nothing after the 255th character";
}

TEST_F(OwnerDrawListTest, ADoubleClickOnADividerFitsTheColumnToItsTextsAsTheyAreDrawn)
{
    list.SetRowHeight(22);
    list.SetItemText(1, 0, "今日要事 Priorities");
    // How much the text inks when whole, in a column wider than any of it.
    list.SetColumnWidth(0, 300);
    const int whole = CellInk(1, 0);
    list.SetColumnWidth(0, 40);
    ASSERT_LT(CellInk(1, 0), whole) << "cut";
    DoubleClickDivider(0);
    const int fitted = list.GetColumnWidth(0);
    EXPECT_EQ(CellInk(1, 0), whole) << "fitted width " << fitted;
    list.SetColumnWidth(0, fitted - 8);
    EXPECT_LT(CellInk(1, 0), whole) << "and no wider than the text and its margins";

    // A column with empty cells fits its caption.
    list.SetHeaderBackground(139, 137, 137, 0);
    list.SetHeaderTextColor(RGB(255, 255, 255));
    for (int row = 0; row < 3; ++row)
        list.SetItemText(row, 2, "");
    list.SetColumnWidth(2, 200);
    const auto captionInk = [&] {
        CRect caption;
        list.m_header.GetItemRect(2, &caption);
        return CountIn(CaptureWindow(list.m_header), caption, RGB(255, 255, 255));
    };
    const int shown = captionInk();
    list.SetColumnWidth(2, 8);
    ASSERT_LT(captionInk(), shown);
    DoubleClickDivider(2);
    EXPECT_EQ(captionInk(), shown);
    EXPECT_LT(list.GetColumnWidth(2), 60);
}
