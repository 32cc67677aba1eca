// The box dialog (259) driven through its window: what OK and Cancel leave in the record, and
// the borders it paints round its sample.
#include "app/window/AppFixture.h"
#include "dialogs/diary/Form_Table_ALine.h"
#include "resources/HeadingDialogIds.h"

namespace {

class TableALineTest : public AppTest {
protected:
    void TearDown() override
    {
        g_tableLineEdit = TableLineSettings{};
        AppTest::TearDown();
    }
    bool Edit(TableLineSettings& record, platform::ui::ModalHandler handler)
    {
        driver->Expect(IDD_TABLE_ALINE, std::move(handler));
        return EditTableLine(nullptr, record);
    }
    static TableLineSettings Boxed()
    {
        return {1, "3A5FCD", "dashed", "F2E6D9", 1, 0, 0, 1, 1};
    }
};

} // namespace

TEST_F(TableALineTest, OkWithoutEditsStoresTheRecordUnchanged)
{
    for (TableLineSettings record : {Boxed(), TableLineSettings{0, "000000", "single", "", 1, 1, 1, 1, 0}}) {
        const TableLineSettings before = record;
        EXPECT_TRUE(Edit(record, [&](DialogProbe& p) {
            EXPECT_EQ(static_cast<CButton*>(p.Item(IDC_LINE_TABLE_BACK_FLAG))->GetCheck() == BST_CHECKED,
                      !before.table_bk_color.IsEmpty());
            EXPECT_EQ(p.Item(IDC_LINE_TABLE_BACK)->IsWindowEnabled() == TRUE, !before.table_bk_color.IsEmpty());
            p.Click(IDC_DIARY_OK);
        }));
        EXPECT_EQ(record, before);
    }
}

TEST_F(TableALineTest, CancelAfterChangingEveryControlKeepsTheRecord)
{
    TableLineSettings record = Boxed();
    g_strLinePreviewNote.Empty();
    EXPECT_FALSE(Edit(record, [](DialogProbe& p) {
        EXPECT_EQ(p.Item(IDC_LINE_TABLE_NOTE)->GetWindowText(), "");
        for (int id : {IDC_LINE_TABLE_TOP, IDC_LINE_TABLE_BOTTOM, IDC_LINE_TABLE_LEFT, IDC_LINE_TABLE_RIGHT,
                       IDC_LINE_TABLE_BACK_FLAG})
            p.Click(id);
        ClickListRow(p.Dialog(), IDC_LINE_TABLE_TYPES, 6);
        p.Click(IDC_DIARY_CANCEL);
    }));
    EXPECT_EQ(record, Boxed());
}

TEST_F(TableALineTest, ChangesReachTheRecordOnOkAndAnUnknownTypeStoresSingle)
{
    TableLineSettings record = Boxed();
    EXPECT_TRUE(Edit(record, [](DialogProbe& p) {
        p.Click(IDC_LINE_TABLE_TOP);
        p.Click(IDC_LINE_TABLE_BACK_FLAG);
        ClickListRow(p.Dialog(), IDC_LINE_TABLE_TYPES, 2);
        p.Click(IDC_DIARY_OK);
    }));
    EXPECT_EQ(record, (TableLineSettings{1, "3A5FCD", "dashSmallGap", "", 0, 0, 0, 1, 1}));

    record.line_type = "zigzag";
    EXPECT_TRUE(Edit(record, [](DialogProbe& p) {
        auto& dialog = static_cast<CForm_Table_ALine&>(p.Dialog());
        for (int row = 0; row < 7; ++row)
            EXPECT_FALSE(dialog.m_listLineTypes.GetCheck(row));
        p.Click(IDC_DIARY_OK);
    }));
    EXPECT_EQ(record.line_type, "single");
}

TEST_F(TableALineTest, TheBordersThatAreOnArePaintedInTheLineColour)
{
    TableLineSettings record{0, "FF0000", "single", "00FF00", 1, 1, 0, 1, 0};
    g_strLinePreviewText = "2026-06-15";
    g_strLinePreviewNote = "note";
    Edit(record, [](DialogProbe& p) {
        CRect frame;
        p.Item(IDC_LINE_TABLE_FRAME)->GetWindowRect(&frame);
        p.Dialog().ScreenToClient(&frame);
        const auto picture = platform::ui::CaptureWindow(p.Dialog());
        const int middleX = frame.CenterPoint().x, middleY = frame.CenterPoint().y;
        EXPECT_EQ(picture.Pixel(middleX, frame.top), RGB(255, 0, 0)) << "top";
        EXPECT_EQ(picture.Pixel(frame.right, middleY), RGB(255, 0, 0)) << "right";
        EXPECT_EQ(picture.Pixel(frame.left, middleY), RGB(255, 255, 255)) << "left is off";
        EXPECT_EQ(picture.Pixel(frame.left + 2, frame.top + 2), RGB(0, 255, 0)) << "the background";
        EXPECT_EQ(p.Item(IDC_LINE_TABLE_SAMPLE)->GetWindowText(), "2026-06-15");
        p.Click(IDC_DIARY_CANCEL);
    });
}
