// The month heading (264) and same-format (290) dialogs driven through their windows.
#include "app/window/AppFixture.h"
#include "dialogs/diary/Form_Month_Font.h"
#include "dialogs/diary/Form_SameSetting.h"
#include "settings/SettingsRecords.h"

namespace {

class HeadingFontDialogsTest : public AppTest {
protected:
    template <typename Dialog>
    INT_PTR Run(platform::ui::ModalHandler handler)
    {
        Dialog dialog;
        driver->Expect(dialog.GetTemplateId(), std::move(handler));
        return dialog.DoModal();
    }
    static void StoreMonthFont(const char* face, const char* size)
    {
        g_strMonthsFontName = face;
        g_strMonthsFontSize = size;
        g_strMonthsFontColor = "112233";
        g_bMonthsFontBold = 1;
        g_bMonthsFontItalic = 1;
    }
    static std::vector<CString> MonthFont()
    {
        return {g_strMonthsFontName, g_strMonthsFontSize, g_strMonthsFontColor,
                CString(std::to_string(g_bMonthsFontBold).c_str()), CString(std::to_string(g_bMonthsFontItalic).c_str())};
    }
    static CHeadingFontDialog& Of(DialogProbe& p) { return static_cast<CHeadingFontDialog&>(p.Dialog()); }
};

struct StoredSize {
    const char* size;
    int index;          // -1: kept as an entry of its own
    int sampleHeight;
};

} // namespace

TEST_F(HeadingFontDialogsTest, OkWithoutEditsStoresTheMonthFontUnchanged)
{
    const StoredSize sizes[] = {{"10.5", 11, 20}, {"11", 12, 22}, {"5", 0, 10}, {"40", -1, 80}, {"7.25", -1, 14}};
    for (const StoredSize& stored : sizes) {
        StoreMonthFont("微软雅黑", stored.size);   // a face not installed here
        const auto before = MonthFont();
        g_strMonthSampleText = "2026-06";
        EXPECT_EQ(Run<CForm_Month_Font>([&](DialogProbe& p) {
                      CHeadingFontDialog& dialog = Of(p);
                      if (stored.index >= 0) {
                          EXPECT_EQ(dialog.m_comboSize.GetCurSel(), stored.index) << stored.size;
                      }
                      EXPECT_EQ(dialog.m_sample.m_fontSize, stored.sampleHeight) << stored.size;
                      EXPECT_EQ(dialog.m_sample.GetWindowText(), "2026-06");
                      EXPECT_TRUE(dialog.m_sample.m_bBold && dialog.m_sample.m_bItalic);
                      EXPECT_EQ(dialog.m_sample.m_textColour, RGB(0x11, 0x22, 0x33));
                      p.Click(IDC_DIARY_OK);
                  }),
                  IDOK);
        EXPECT_EQ(MonthFont(), before) << stored.size;
    }
}

TEST_F(HeadingFontDialogsTest, CancelAfterEditsStoresNothingAndOkStoresTheEdits)
{
    StoreMonthFont("Tahoma", "11");
    const auto before = MonthFont();
    const auto edit = [](DialogProbe& p) {
        p.Choose(IDC_HEADING_SIZE, 3);
        p.Click(IDC_HEADING_BOLD);
        p.Click(IDC_HEADING_ITALIC);
        CHeadingFontDialog& dialog = Of(p);
        dialog.m_colour.SetColor(CLR_DEFAULT);   // the popup's "default" entry
        dialog.SendMessage(WM_COLOUR_PICKED, CLR_DEFAULT, IDC_HEADING_COLOUR);
        EXPECT_EQ(dialog.m_sample.m_fontSize, 12);
        EXPECT_FALSE(dialog.m_sample.m_bBold);
    };
    EXPECT_EQ(Run<CForm_Month_Font>([&](DialogProbe& p) {
                  edit(p);
                  p.Click(IDC_HEADING_CANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(MonthFont(), before);

    Run<CForm_Month_Font>([&](DialogProbe& p) {
        edit(p);
        p.PressEnter();
    });
    EXPECT_EQ(MonthFont(), (std::vector<CString>{"Tahoma", "6.5", "000000", "0", "0"}));
}

TEST_F(HeadingFontDialogsTest, TheSameFormatShowsItsBoldAndComesBackUnchanged)
{
    g_sameFormat = {1, "Georgia Pro", "10.5", "3A5FCD"};
    const SameFormatSettings before = g_sameFormat;
    Run<CForm_SameSetting>([](DialogProbe& p) {
        CHeadingFontDialog& dialog = Of(p);
        EXPECT_EQ(static_cast<CButton*>(p.Item(IDC_HEADING_BOLD))->GetCheck(), BST_CHECKED);
        EXPECT_TRUE(dialog.m_sample.m_bBold);
        EXPECT_EQ(dialog.m_sample.m_strFace, "Georgia Pro");
        EXPECT_EQ(dialog.m_sample.m_fontSize, 20);
        EXPECT_EQ(dialog.m_sample.GetWindowText(), "这里将会是您在Word日记里输入的内容.(请设置格式)");
        p.Click(IDC_DIARY_OK);
    });
    EXPECT_EQ(g_sameFormat, before);

    Run<CForm_SameSetting>([](DialogProbe& p) {
        p.Click(IDC_HEADING_BOLD);
        p.Click(IDC_HEADING_CANCEL);
    });
    EXPECT_EQ(g_sameFormat, before);
}
