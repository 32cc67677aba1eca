// The picture buttons of the diary dialogs are bitmap buttons showing their icons.
#include "AppFixture.h"
#include "app/Form_SetWord.h"
#include "controls/ImageButton/ImageButton.h"
#include "platform/ui/SysColors.h"
#include "resources/DiaryDialogIds.h"
#include "resources/HeadingDialogIds.h"

namespace {

// A bitmap button of the dialog with an icon 24 pixels high left of its caption.
void ExpectIconButton(DialogProbe& p, int id)
{
    auto* button = dynamic_cast<CImageButton*>(p.Item(id));
    ASSERT_NE(button, nullptr) << id;
    EXPECT_EQ(button->GetAlign(), CImageButton::kImageLeft);
    button->EnableWindow(TRUE);
    const auto picture = platform::ui::CaptureWindow(*button);
    int ink = 0;
    for (int y = (picture.Height() - 24) / 2; y < (picture.Height() + 24) / 2; ++y)
        for (int x = 4; x < 4 + 24; ++x)
            ink += picture.Pixel(x, y) != GetSysColor(COLOR_BTNFACE) ? 1 : 0;
    EXPECT_GT(ink, 20) << id;
}

void Command(CWnd& window, int id)
{
    window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
}

} // namespace

TEST_F(AppTest, TheDiaryDialogsPictureButtonsShowTheirIcons)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));
    driver->Expect(IDD_DAILY_DIARY, [](DialogProbe& p) {
        ExpectIconButton(p, IDC_CLASS_SYMBOL_BUTTON);
        ExpectIconButton(p, IDC_CLASS_TABLE_BUTTON);
        p.Click(IDC_DIARY_CANCEL);
    });
    driver->Expect(IDD_DATE_FONT, [](DialogProbe& p) {
        ExpectIconButton(p, IDC_DATE_TABLE_BUTTON);
        p.Item(IDC_DATE_MOTTO_BUTTON)->EnableWindow(TRUE);
        p.Click(IDC_DATE_MOTTO_BUTTON);
        p.Click(IDC_HEADING_CANCEL);
    });
    driver->Expect(IDD_ADD_TEXT, [](DialogProbe& p) {
        ExpectIconButton(p, IDC_TEXT_TABLE_BUTTON);
        p.Click(IDC_TEXT_CANCEL);
    });
    Command(window, IDC_BUTTON_ADD);
    Command(window, IDC_BUTTON_DATE_FORMAT);
    EXPECT_EQ(driver->Ran(), (std::vector<UINT>{IDD_DAILY_DIARY, IDD_DATE_FONT, IDD_ADD_TEXT}));
}
