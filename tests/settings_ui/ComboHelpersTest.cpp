// The combo box fillers the dialogs share, on a real combo box of a dialog.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "settings/ui/ComboHelpers.h"
#include "settings/ui/PublicOper.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kDialog = 9101;
constexpr int kCombo = 1001;

class ComboDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate dialog;
        dialog.id = kDialog;
        dialog.cx = 100;
        dialog.cy = 60;
        dialog.controls = {{ControlClass::ComboBox, kCombo, "", 5, 5, 60, 80, CBS_DROPDOWNLIST}};
        RegisterDialogTemplate(dialog);
        ASSERT_TRUE(m_dialog.Create(kDialog));
        combo = static_cast<CComboBox*>(m_dialog.GetDlgItem(kCombo));
    }

    CComboBox* combo = nullptr;

private:
    CDialog m_dialog{kDialog};
};

CString ItemText(CComboBox* combo, int index)
{
    CString text;
    combo->GetLBText(index, text);
    return text;
}

} // namespace

TEST_F(ComboDialog, FillComboRangeListsTheNumbersWithTheFirstSelected)
{
    combo->AddString("old");
    CPublicOper().FillComboRange(combo, 1, 12);
    ASSERT_EQ(combo->GetCount(), 12);
    EXPECT_EQ(ItemText(combo, 0), "1");
    EXPECT_EQ(ItemText(combo, 11), "12");
    EXPECT_EQ(combo->GetCurSel(), 0);
    CPublicOper().FillComboRange(combo, 5, 4);
    EXPECT_EQ(combo->GetCount(), 0);
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);
}

TEST_F(ComboDialog, SelectComboStringStopsAtTheFirstMatchOrLeavesTheLast)
{
    EXPECT_FALSE(SelectComboString(combo, "x"));
    EXPECT_EQ(combo->GetCurSel(), CB_ERR) << "an empty box has nothing to select";
    for (const char* name : {"宋体", "Tahoma", "Arial"})
        combo->AddString(name);
    EXPECT_TRUE(SelectComboString(combo, "Tahoma"));
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_FALSE(SelectComboString(combo, "Courier"));
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_TRUE(SelectComboString(combo, "宋体"));
    EXPECT_EQ(combo->GetCurSel(), 0);
}
