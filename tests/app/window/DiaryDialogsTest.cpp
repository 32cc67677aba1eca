// The class dialog, its pickers and the table style dialog, each run modally and driven.
#include "AppFixture.h"
#include "app/CurrentClass.h"
#include "dialogs/diary/Form_DailyDiary.h"
#include "dialogs/diary/Form_ItemSpecial.h"
#include "dialogs/diary/Form_SpecialSign.h"
#include "dialogs/diary/Form_Table.h"
#include "resources/DiaryDialogIds.h"
#include "settings/ClassCells.h"

namespace {

class DiaryDialogsTest : public AppTest {
protected:
    void TearDown() override
    {
        g_currentClass = DiaryClassRecord{};
        g_classTable = ClassTableSettings{};
        g_nItemSpecial = g_nSpecialSign = -1;
        g_strSpecialSignColor.Empty();
        AppTest::TearDown();
    }
    template <typename Dialog>
    int Run(platform::ui::ModalHandler handler)
    {
        Dialog dialog;
        driver->Expect(dialog.GetTemplateId(), std::move(handler));
        return static_cast<int>(dialog.DoModal());
    }
    // Every field set away from the dialog's own starting values.
    static DiaryClassRecord FullRecord()
    {
        DiaryClassRecord c;
        c.COL_ID = "3";
        c.COL_bCLASS_TITLE = 1;
        c.COL_CLASS_TITLE = "心得 notes";
        c.COL_CLASS_FONT_BOLD = 1;
        c.COL_CLASS_FONT_COLOR = "7A2E1F";
        c.bCOL_CLASS_BK_COLOR = 1;
        c.COL_CLASS_BK_COLOR = "F2E6D9";
        c.COL_CLASS_FONT_NAME = "微软雅黑";   // not installed here
        c.COL_CLASS_FONT_SIZE = "38.5";        // not on the size list
        c.COL_CLASS_FONT_ITALIC = 1;
        c.COL_LINE_COUNT = 7;
        c.COL_UNDONE_TEXT = "[完成]";
        c.COL_UNDONE_FONT_BOLD = 1;
        c.COL_UNDONE_TONT_COLOR = "8D826D";
        c.COL_LINE_FontItalicPre = 1;
        c.COL_LINE_TEXT_FONT_COLOR = "333333";
        c.COL_LINE_TEXT_FONT_SIZE = "10.5";
        c.COL_LINE_TEXT_FONT_BOLD = 1;
        c.COL_bLINE_COLOR = 1;
        c.COL_LINE_bBACKGROUND_COLOR = 1;
        c.COL_LINE_COLOR = "ABCDEF";
        c.COL_LINE_FONT_NAME = "Georgia Pro";
        c.COL_LINE_BACKGROUND_COLOR = "FEDCBA";
        c.COL_LINE_SnapToGrid = 1;
        c.COL_LINE_Underline = 1;
        c.COL_LINE_DeleteLine = 1;
        c.COL_LINE_FontItalic = 1;
        c.COL_LINE_ClassTable = 1;
        c.COL_bItemSpecial = 1;
        c.COL_ItemSpecial = 17;
        c.COL_bSpecialSign = 1;
        c.COL_SpecialSign = 23;
        c.COL_SpecialSign_Color = "3A5FCD";
        c.SpaceRow_ForEveryClass = 1;
        return c;
    }
    // Signs 1 to 14 are drawn in this blue (tools/diary_pictures); picture 0, no sign, is white.
    static int BluePixels(CWnd& control)
    {
        const platform::ui::WindowPicture picture = platform::ui::CaptureWindow(control);
        int blue = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                blue += picture.Pixel(x, y) == RGB(30, 80, 190) ? 1 : 0;
        return blue;
    }
    static ClassListRow AsRow(const DiaryClassRecord& record)
    {
        ClassListRow row;
        SetListRowFromRecord(row, record);
        return row;
    }
};

} // namespace

TEST_F(DiaryDialogsTest, AFullClassComesBackUnchangedFromOkWithoutEdits)
{
    const DiaryClassRecord record = FullRecord();
    g_currentClass = record;
    g_nItemSpecial = record.COL_ItemSpecial;
    g_nSpecialSign = record.COL_SpecialSign;
    g_strSpecialSignColor = record.COL_SpecialSign_Color;
    g_bAddClass = 0;
    EXPECT_EQ(Run<CForm_DailyDiary>([](DialogProbe& p) { p.Click(IDC_DIARY_OK); }), IDOK);
    EXPECT_EQ(AsRow(g_currentClass).cells, AsRow(record).cells);
    EXPECT_EQ(g_currentClass.COL_CLASS_FONT_SIZE, "38.5");
}

TEST_F(DiaryDialogsTest, EnterStoresAsOkAndCancelStoresNothing)
{
    g_bAddClass = 1;
    Run<CForm_DailyDiary>([](DialogProbe& p) {
        p.Type(IDC_CLASS_TITLE, "typed");
        p.Click(IDC_DIARY_CANCEL);
    });
    EXPECT_EQ(g_currentClass.COL_CLASS_TITLE, "");
    Run<CForm_DailyDiary>([](DialogProbe& p) {
        p.Type(IDC_CLASS_TITLE, "typed");
        p.PressEnter();
    });
    EXPECT_EQ(g_currentClass.COL_CLASS_TITLE, "typed");
}

TEST_F(DiaryDialogsTest, AddingStartsPlainAndDefaultGivesTheDefaultLook)
{
    g_bAddClass = 1;
    Run<CForm_DailyDiary>([](DialogProbe& p) {
        auto check = [&](int id) { return static_cast<CButton*>(p.Item(id))->GetCheck() == BST_CHECKED; };
        EXPECT_TRUE(check(IDC_CLASS_TITLE_FLAG));
        EXPECT_FALSE(check(IDC_CLASS_BLANK_ROW));
        EXPECT_EQ(p.Item(IDC_CLASS_TITLE_SIZE)->GetWindowText(), "12.5");
        EXPECT_EQ(p.Item(IDC_CLASS_LINE_COUNT)->GetWindowText(), "1");
        p.Click(IDC_CLASS_DEFAULT);
        EXPECT_TRUE(check(IDC_CLASS_BLANK_ROW));
        EXPECT_EQ(p.Item(IDC_CLASS_LINE_COUNT)->GetWindowText(), "2");
        // Exclusions: the symbol unticks the numbers; letter paper unticks the table.
        p.Click(IDC_CLASS_NUMBERS);
        p.Click(IDC_CLASS_SYMBOL_FLAG);
        EXPECT_FALSE(check(IDC_CLASS_NUMBERS));
        p.Click(IDC_CLASS_TABLE);
        p.Click(IDC_CLASS_LETTER_PAPER);
        EXPECT_FALSE(check(IDC_CLASS_TABLE));
        EXPECT_TRUE(p.Item(IDC_CLASS_TABLE_BUTTON)->IsWindowEnabled());
        p.Click(IDC_DIARY_OK);
    });
    EXPECT_EQ(g_currentClass.COL_CLASS_TITLE, "今天完成了那些事情?");
    EXPECT_EQ(g_currentClass.COL_UNDONE_TEXT, "[完成]");
    EXPECT_EQ(g_currentClass.COL_bItemSpecial, 1);
}

// The title sample's height is set by the event that touched it last: the size list gives twice
// the size, an edit of the title or a new face the start height. The symbol empties the more-lines text.
TEST_F(DiaryDialogsTest, SamplesFollowTheEventThatSetThem)
{
    g_currentClass = FullRecord();
    g_bAddClass = 0;
    g_bItemNumberAllowed = 1;
    Run<CForm_DailyDiary>([](DialogProbe& p) {
        auto& dialog = static_cast<CForm_DailyDiary&>(p.Dialog());
        const auto more = [&] { return p.Item(IDC_CLASS_SAMPLE_MORE)->GetWindowText(); };
        EXPECT_EQ(dialog.m_sampleTitle.m_fontSize, 76) << "size 38.5 as loaded";
        p.Type(IDC_CLASS_TITLE, "new title");
        EXPECT_EQ(dialog.m_sampleTitle.m_fontSize, 21);
        p.Choose(IDC_CLASS_TITLE_SIZE, 2);
        EXPECT_EQ(dialog.m_sampleTitle.m_fontSize, 12) << "the third size, 6";
        p.Choose(IDC_CLASS_TITLE_FONT, 0);
        EXPECT_EQ(dialog.m_sampleTitle.m_fontSize, 21);

        EXPECT_EQ(more(), "") << "the symbol is ticked";
        p.Click(IDC_CLASS_SYMBOL_FLAG);
        EXPECT_EQ(more(), "And 6 lines...");
        p.Click(IDC_CLASS_NUMBERS);
        EXPECT_EQ(more(), "2),3),4),5),6),7)...");
        p.Click(IDC_CLASS_SYMBOL_FLAG);
        EXPECT_EQ(more(), "");
        p.Click(IDC_DIARY_CANCEL);
    });
}

TEST_F(DiaryDialogsTest, ASymbolClickedBeforeCancelStaysChosen)
{
    g_nItemSpecial = 7;
    Run<CForm_ItemSpecial>([](DialogProbe& p) {
        auto& picker = static_cast<CForm_ItemSpecial&>(p.Dialog());
        EXPECT_EQ(picker.m_lists[6].GetItemState(0, LVIS_SELECTED), LVIS_SELECTED);
        EXPECT_EQ(picker.m_images.GetImageCount(), 21);
        ClickListRow(p.Dialog(), kItemSymbolListIds[4], 0);
        p.Click(IDC_DIARY_CANCEL);
    });
    EXPECT_EQ(g_nItemSpecial, 5);
}

TEST_F(DiaryDialogsTest, TheSignPickerStoresOnOkOnlyAndNothingWithoutASign)
{
    Run<CForm_SpecialSign>([](DialogProbe& p) { p.Click(IDC_DIARY_OK); });
    EXPECT_EQ(g_nSpecialSign, -1) << "no sign chosen: OK acts as Cancel";

    g_nSpecialSign = 12;
    Run<CForm_SpecialSign>([](DialogProbe& p) {
        auto& picker = static_cast<CForm_SpecialSign&>(p.Dialog());
        EXPECT_EQ(picker.m_nHighlighted, 12);
        EXPECT_EQ(p.Item(IDC_SIGN_NUMBER)->GetWindowText(), "12");
        p.Click(kSpecialSignButtonIds[2]);
        EXPECT_EQ(picker.m_nHighlighted, 3);
        p.Click(IDC_DIARY_CANCEL);
    });
    EXPECT_EQ(g_nSpecialSign, 12);
    Run<CForm_SpecialSign>([](DialogProbe& p) {
        p.Click(kSpecialSignButtonIds[2]);
        p.Click(IDC_DIARY_OK);
    });
    EXPECT_EQ(g_nSpecialSign, 3);
    EXPECT_EQ(g_strSpecialSignColor, "000000") << "an empty colour reads as black";
}

TEST_F(DiaryDialogsTest, APresetAppliesItsSectionOnOk)
{
    g_classTable.bInsertACol = 1;
    Run<CForm_Table>([](DialogProbe& p) {
        auto& table = static_cast<CForm_Table&>(p.Dialog());
        EXPECT_EQ(table.m_listPresets.GetItemCount(), 8);
        EXPECT_EQ(table.m_listLineTypes.GetCheck(1), TRUE) << "the class's dotted lines";
        ClickListRow(p.Dialog(), IDC_TABLE_PRESETS, 2);
        p.Click(IDC_DIARY_OK);
    });
    const ClassTableSettings& t = g_classTable;
    EXPECT_EQ(t.line_type, "single");
    EXPECT_EQ(t.line_color, "4F81BD");
    EXPECT_EQ(t.class_table_bk_color, "DBE5F1");
    EXPECT_EQ(t.line_table_bk_color, "FFFFFF");
    EXPECT_EQ(t.line_table_bk_color2, "EEF3FA");
    EXPECT_EQ(std::vector<int>({t.bLineLeft, t.bLineRight, t.bLineTop, t.bLineBottom, t.bLineMiddle}),
              std::vector<int>({0, 0, 1, 1, 1}));
    EXPECT_EQ(t.bInsertACol, 1);

    Run<CForm_Table>([](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_TABLE_PRESETS, 0);
        p.Click(IDC_DIARY_CANCEL);
    });
    EXPECT_EQ(g_classTable.line_type, "single") << "Cancel keeps the look";
}

TEST_F(DiaryDialogsTest, AnUnknownLineTypeTicksNoRowAndStoresSingle)
{
    g_classTable.line_type = "double";
    g_classTable.class_table_bk_color.Empty();
    Run<CForm_Table>([](DialogProbe& p) {
        auto& table = static_cast<CForm_Table&>(p.Dialog());
        for (int row = 0; row < 7; ++row)
            EXPECT_FALSE(table.m_listLineTypes.GetCheck(row));
        EXPECT_FALSE(p.Item(IDC_TABLE_TITLE_BACK)->IsWindowEnabled());
        p.Click(IDC_TABLE_TOP);
        EXPECT_FALSE(p.Item(IDC_TABLE_DIAGRAM_TOP)->IsWindowVisible());
        p.Click(IDC_DIARY_OK);
    });
    EXPECT_EQ(g_classTable.line_type, "single");
    EXPECT_EQ(g_classTable.class_table_bk_color, "");
    EXPECT_EQ(g_classTable.bLineTop, 0);
}

// The sign button, the picker and the stored number always agree: a new class stores the sign
// its button shows; a class without a sign shows none, in the button and in the picker, and
// keeps none when the picker closes with nothing chosen.
TEST_F(DiaryDialogsTest, TheSignButtonAndThePickerShowTheSignThatIsStored)
{
    g_bAddClass = 1;
    g_nSpecialSign = -1;   // no class shown yet
    Run<CForm_DailyDiary>([](DialogProbe& p) {
        p.Click(IDC_CLASS_SIGN_FLAG);   // a disabled button greys its picture
        EXPECT_GT(BluePixels(*p.Item(IDC_CLASS_SIGN_BUTTON)), 20);
        p.Click(IDC_DIARY_OK);
    });
    EXPECT_EQ(g_currentClass.COL_SpecialSign, 12);

    DiaryClassRecord record = FullRecord();
    record.COL_SpecialSign = -1;
    g_currentClass = record;
    g_nSpecialSign = -1;
    g_bAddClass = 0;
    driver->Expect(IDD_SPECIAL_SIGN, [](DialogProbe& p) {
        EXPECT_EQ(p.Item(IDC_SIGN_NUMBER)->GetWindowText(), "");
        EXPECT_EQ(BluePixels(*p.Item(IDC_SIGN_PICTURE)), 0);
        p.Click(IDC_DIARY_OK);
    });
    Run<CForm_DailyDiary>([](DialogProbe& p) {
        EXPECT_EQ(BluePixels(*p.Item(IDC_CLASS_SIGN_BUTTON)), 0);
        p.Click(IDC_CLASS_SIGN_BUTTON);
        EXPECT_EQ(BluePixels(*p.Item(IDC_CLASS_SIGN_BUTTON)), 0);
        p.Click(IDC_DIARY_OK);
    });
    EXPECT_EQ(g_currentClass.COL_SpecialSign, -1);
}
