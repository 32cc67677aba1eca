// The class preview of the main window, checked by its pixels (fills and edges) and its labels.
#include "AppFixture.h"
#include "app/CurrentClass.h"
#include "app/Form_SetWord.h"

#include <set>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLine = RGB(0xFF, 0, 0);
constexpr COLORREF kTitleBand = RGB(0, 0xFF, 0);
constexpr COLORREF kLineBand = RGB(0, 0, 0xFF);

class ClassPreviewTest : public AppTest {
protected:
    // One class: a table with a title, every border, red single lines, three lines; the extra
    // keys come first, so they win over the same keys after them.
    void Start(const std::string& extra)
    {
        Write("ZaDuzed_Simple.ini", "[Main]\r\nMonth_Start=1\r\nDay_Start=1\r\nMonth_End=1\r\nDay_End=2\r\n"
                                    "[LIST0]\r\n" + extra +
                                    "COL_ID=1\r\nCOL_bCLASS_TITLE=1\r\nCOL_CLASS_TITLE=T\r\nbTable=1\r\n"
                                    "COL_LINE_COUNT=3\r\nline_color=FF0000\r\nline_type=single\r\n"
                                    "class_table_bk_color=00FF00\r\nline_table_bk_color=0000FF\r\n"
                                    "COL_CLASS_FONT_SIZE=11\r\nCOL_LINE_TEXT_FONT_SIZE=11\r\nCOL_UNDONE_TEXT=x\r\n");
        window = std::make_unique<CForm_SetWord>();
        ASSERT_TRUE(window->Create(IDD_FORM_SETWORD));
        window->ShowWindow(SW_SHOW);
        frame = Rect(IDC_PREVIEW_AREA);
        const int row = frame.Height() * 40 / 122;
        firstRule = frame.bottom - 2 * row;
        secondRule = frame.bottom - row;
        picture = platform::ui::CaptureWindow(*window);
    }
    void TearDown() override
    {
        window.reset();
        AppTest::TearDown();
    }
    CRect Rect(int id) const
    {
        CRect rect;
        window->GetDlgItem(id)->GetWindowRect(&rect);
        window->ScreenToClient(&rect);
        return rect;
    }
    COLORREF At(int x, int y) const { return picture.Pixel(x, y); }
    // Left of the labels, along the left edge and the rules.
    int NearLeft() const { return frame.left + 3; }

    std::unique_ptr<CForm_SetWord> window;
    CRect frame;
    int firstRule = 0;
    int secondRule = 0;
    platform::ui::WindowPicture picture;
};

struct EdgeCase {
    const char* keys;
    COLORREF top, left, bottom, firstRule, secondRule, titleBand, lineBand;
};

class PreviewEdges : public ClassPreviewTest, public testing::WithParamInterface<EdgeCase> {};

} // namespace

TEST_P(PreviewEdges, EdgesRulesAndBandsFollowTheClass)
{
    const EdgeCase c = GetParam();
    Start(c.keys);
    EXPECT_EQ(At(NearLeft(), frame.top), c.top) << "top edge";
    EXPECT_EQ(At(frame.left, secondRule - 3), c.left) << "left edge";
    EXPECT_EQ(At(NearLeft(), frame.bottom), c.bottom) << "bottom edge";
    EXPECT_EQ(At(NearLeft(), firstRule), c.firstRule) << "first rule";
    EXPECT_EQ(At(NearLeft(), secondRule), c.secondRule) << "second rule";
    EXPECT_EQ(At(NearLeft(), frame.top + 3), c.titleBand) << "title band";
    EXPECT_EQ(At(frame.right - 3, firstRule + 3), c.lineBand) << "line band";
}

INSTANTIATE_TEST_SUITE_P(
    Classes, PreviewEdges,
    testing::Values(EdgeCase{"", kLine, kLine, kLine, kLine, kLine, kTitleBand, kLineBand},
                    EdgeCase{"COL_LINE_COUNT=1\r\n", kLine, kLine, kWhite, kLine, kLine, kTitleBand, kLineBand},
                    EdgeCase{"COL_bCLASS_TITLE=0\r\n", kWhite, kLine, kLine, kLine, kLine, kWhite, kLineBand},
                    EdgeCase{"bTable=0\r\n", kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite},
                    EdgeCase{"bLineMiddle=0\r\nbLineTop=0\r\n", kWhite, kLine, kLine, kWhite, kWhite, kTitleBand,
                             kLineBand}));

TEST_F(ClassPreviewTest, OneLineEndsTheSidesAtTheSecondRule)
{
    Start("COL_LINE_COUNT=1\r\n");
    EXPECT_EQ(At(frame.left, secondRule + 3), kWhite);
    EXPECT_EQ(window->m_labelNote.GetWindowText(), "");
}

TEST_F(ClassPreviewTest, SmallGapDashesAreEightPixelsWithTwoPixelGaps)
{
    Start("line_type=dashSmallGap\r\n");
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(At(frame.left + x, frame.top), x % 10 < 8 ? kLine : kWhite) << x;
}

TEST_F(ClassPreviewTest, NotesNumbersAndTheMovedLineLabel)
{
    Start("COL_ItemNumber=1\r\nCOL_UNDONE_TEXT=\r\n");
    EXPECT_EQ(window->m_labelNote.GetWindowText(), "2),3)...");
    EXPECT_EQ(window->m_labelNumber.GetWindowText(), "1)");
    EXPECT_TRUE(window->m_labelNumber.IsWindowVisible());
    EXPECT_EQ(Rect(IDC_PREVIEW_LINE).left, Rect(IDC_PREVIEW_PREFIX).left) << "no prefix: the line takes its place";

    window->m_listClasses.SetItemText(0, kCellItemNumber, "N");
    window->m_listClasses.SetItemText(0, kCellUndoneText, "x");
    window->RefreshClassPreview(0);
    EXPECT_EQ(window->m_labelNote.GetWindowText(), "And 2 lines...");
    EXPECT_FALSE(window->m_labelNumber.IsWindowVisible());
    EXPECT_EQ(Rect(IDC_PREVIEW_LINE), window->m_rectLineLabel);
}

TEST_F(ClassPreviewTest, ARowThatNamesNoRowShowsAnEmptyClass)
{
    Start("COL_bItemSpecial=1\r\nCOL_ItemSpecial=4\r\n");
    EXPECT_EQ(g_nItemSpecial, 4) << "showing a row hands its symbol on";
    EXPECT_EQ(g_classTable.line_color, "FF0000");
    window->RefreshClassPreview(-1);
    picture = platform::ui::CaptureWindow(*window);
    EXPECT_EQ(window->m_groupPreview.GetWindowText(), "日记的分类:  :   ");
    EXPECT_EQ(window->m_labelTitle.GetWindowText(), "");
    EXPECT_EQ(At(NearLeft(), frame.top), kWhite);
    EXPECT_EQ(At(frame.left, secondRule - 3), kWhite);
    EXPECT_EQ(g_nItemSpecial, 0);
}

// The title and the text before each line are smoothed, as the class dialog draws them: their edges
// take shades between the text's colour and the background. Drawn sharp, they had those two
// colours alone, and bold Chinese filled in.
TEST_F(ClassPreviewTest, TheTitleAndThePrefixAreSmoothed)
{
    Start("COL_CLASS_TITLE=今日要事 Priorities\r\nCOL_CLASS_FONT_NAME=微软雅黑\r\nCOL_CLASS_FONT_BOLD=1\r\n"
          "COL_CLASS_FONT_SIZE=12\r\nCOL_UNDONE_TEXT=[完成]\r\nCOL_LINE_FONT_NAME=Tahoma\r\n");
    for (int id : {IDC_PREVIEW_TITLE, IDC_PREVIEW_PREFIX}) {
        const CRect label = Rect(id);
        std::set<COLORREF> colours;
        for (int y = label.top; y < label.bottom; ++y)
            for (int x = label.left; x < label.right; ++x)
                colours.insert(At(x, y));
        EXPECT_GT(colours.size(), 8u) << id;
    }
}

// The item symbol and the sign keep to the 13 x 12 dialog units their template gives, scaled
// down whole, and show no background of their own: the rule they stand on runs on through them as
// it does further on. The white squares of their 32 x 32 pictures broke it, and so did the
// switched-off number column between them.
TEST_F(ClassPreviewTest, TheItemSymbolAndSignKeepToTheirPlacesAndLeaveTheRuleWhole)
{
    for (const char* keys : {"line_type=dashSmallGap\r\n",
                             "line_type=dashSmallGap\r\nCOL_bItemSpecial=1\r\nCOL_ItemSpecial=3\r\n"
                             "COL_bSpecialSign=1\r\nCOL_SpecialSign=22\r\n"}) {
        Start(keys);
        const CRect symbol = Rect(IDC_PREVIEW_ITEM_SYMBOL), sign = Rect(IDC_PREVIEW_SIGN);
        EXPECT_EQ(symbol.Size(), CSize(23, 21)) << keys;
        EXPECT_EQ(sign.Size(), CSize(23, 21)) << keys;
        ASSERT_TRUE(symbol.top <= firstRule && firstRule < symbol.bottom) << "the pictures stand on the rule";
        for (int x = symbol.left; x < sign.right; ++x)
            EXPECT_EQ(At(x, firstRule) == kLine, At(x + 200, firstRule) == kLine) << keys << " at " << x;
    }
    // The sign is shown whole: its red flag's ink, scaled down, lies inside its place.
    const CRect sign = Rect(IDC_PREVIEW_SIGN);
    int red = 0;
    for (int y = sign.top; y < sign.bottom; ++y)
        for (int x = sign.left; x < sign.right; ++x)
            red += GetRValue(At(x, y)) > 150 && GetGValue(At(x, y)) < 80 && GetBValue(At(x, y)) < 80 ? 1 : 0;
    EXPECT_GT(red, 10);
}
