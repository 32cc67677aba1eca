// The class dialog's symbol and table buttons are bitmap buttons with their icons.
#include "AppFixture.h"
#include "app/Form_SetWord.h"
#include "controls/ImageButton/ImageButton.h"
#include "platform/ui/SysColors.h"
#include "resources/DiaryDialogIds.h"

TEST_F(AppTest, TheClassDialogsSymbolAndTableButtonsShowTheirIconsBesideTheirCaptions)
{
    Write("ZaDuzed_Simple.ini", PreparedConfig());
    CForm_SetWord window;
    ASSERT_TRUE(window.Create(IDD_FORM_SETWORD));
    driver->Expect(IDD_DAILY_DIARY, [](DialogProbe& p) {
        for (const int id : {IDC_CLASS_SYMBOL_BUTTON, IDC_CLASS_TABLE_BUTTON}) {
            auto* button = dynamic_cast<CImageButton*>(p.Item(id));
            ASSERT_NE(button, nullptr) << id;
            EXPECT_EQ(button->GetAlign(), CImageButton::kImageLeft);
            button->EnableWindow(TRUE);
            const auto picture = platform::ui::CaptureWindow(*button);
            // The icon stands 3 pixels in from the left, 24 pixels high, centred.
            int ink = 0;
            for (int y = (picture.Height() - 24) / 2; y < (picture.Height() + 24) / 2; ++y)
                for (int x = 4; x < 4 + 24; ++x)
                    ink += picture.Pixel(x, y) != GetSysColor(COLOR_BTNFACE) ? 1 : 0;
            EXPECT_GT(ink, 20) << id;
        }
        p.Click(IDC_DIARY_CANCEL);
    });
    window.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_BUTTON_ADD), BN_CLICKED), 0);
    EXPECT_EQ(driver->Ran(), std::vector<UINT>{IDD_DAILY_DIARY});
}
