// Pictures on dialog controls and the font name list.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/FontFamilies.h"
#include "settings/ui/ComboHelpers.h"
#include "settings/ui/DialogPictures.h"
#include "support/BmpFile.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr UINT kDialog = 9102;
constexpr int kPicture = 1001, kButton = 1002, kFonts = 1003;

class PictureDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate dialog;
        dialog.id = kDialog;
        dialog.cx = 120;
        dialog.cy = 80;
        dialog.controls = {{ControlClass::Static, kPicture, "text", 5, 5, 40, 20, SS_LEFT},
                           {ControlClass::Button, kButton, "", 50, 5, 40, 20, BS_PUSHBUTTON},
                           {ControlClass::ComboBox, kFonts, "", 5, 40, 80, 80, CBS_DROPDOWNLIST | CBS_SORT}};
        RegisterDialogTemplate(dialog);
        ASSERT_TRUE(m_dialog.Create(kDialog));
        std::filesystem::create_directories("config/pic/item_special");
    }
    CStatic* Picture() { return static_cast<CStatic*>(m_dialog.GetDlgItem(kPicture)); }
    CWnd* Item(int id) { return m_dialog.GetDlgItem(id); }

    TempFolder folder;

private:
    CDialog m_dialog{kDialog};
};

} // namespace

TEST_F(PictureDialog, ItemSymbolPicturesComeFromTheirNumberedFiles)
{
    EXPECT_EQ(ItemSymbolPicturePath(7), "config/pic/item_special/2007.bmp");
    SetItemSpecialBitmap(Picture(), 7);
    EXPECT_EQ(Picture()->GetBitmap(), nullptr) << "a missing picture leaves the control as it was";

    WriteSolidBmp("config/pic/item_special/2007.bmp", 16, 16, RGB(255, 0, 0));
    SetItemSpecialButtonBitmap(Picture(), 7);
    EXPECT_NE(Picture()->GetBitmap(), nullptr);
    EXPECT_FALSE(Picture()->GetStyle() & 0x0E);

    SetItemSpecialButtonBitmapEx(Item(kPicture), 7);
    EXPECT_EQ(Picture()->GetStyle() & 0x0E, 0x0Eu) << "a label switches to showing a bitmap";
}

TEST_F(PictureDialog, AddTextPictureGoesOnAButton)
{
    std::filesystem::create_directories("config/pic");
    SetAddTextBitmap(Item(kButton));
    WriteSolidBmp("config/pic/add_txt.bmp", 20, 20, RGB(0, 0, 255));
    SetAddTextBitmap(Item(kButton));
    EXPECT_EQ(Item(kButton)->GetWindowText(), "") << "the picture does not change the caption";
}

TEST_F(PictureDialog, FontNamesAreTheInstalledFamiliesWithoutVerticalOnes)
{
    auto* combo = static_cast<CComboBox*>(Item(kFonts));
    FillFontNameCombo(combo, nullptr);
    int expected = 0;
    for (const CString& family : EnumFontFamilies())
        expected += family.IsEmpty() || family.GetAt(0) == '@' ? 0 : 1;
    ASSERT_GT(expected, 0) << "the test machine has fonts";
    EXPECT_EQ(combo->GetCount(), expected);
    for (int i = 0; i < combo->GetCount(); ++i) {
        CString name;
        combo->GetLBText(i, name);
        EXPECT_NE(name.GetAt(0), '@');
    }
}
