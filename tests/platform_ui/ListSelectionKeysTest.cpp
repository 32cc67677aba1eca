// Keys move the selection of a list box, a drop-down list and a list view, and each list tells its
// dialog of every such move, as of a click; the program's own choice is told only by the list
// view, as on Windows, and keys are never told as clicks. The keys go on from the program's own
// choice, also one the program did not focus.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr UINT kListsDialog = 9310;
constexpr int kListBox = 1001, kDropDownList = 1002, kListView = 1003;
const char* const kFruits[] = {"Apple", "Banana", "Cherry", "Date", "Elder"};

void RegisterListsDialog()
{
    RegisterDialogTemplate(
        {.id = kListsDialog, .caption = "Lists", .cx = 300, .cy = 120, .style = WS_CAPTION | WS_SYSMENU,
         .controls = {
             {ControlClass::ListBox, kListBox, "", 7, 7, 90, 100, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
             {ControlClass::ComboBox, kDropDownList, "", 104, 7, 90, 100, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
             {ControlClass::ListView, kListView, "", 201, 7, 90, 100,
              LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
         }});
}

// Writes down each notification with the selection the list has when it comes.
class ListsDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    ListsDialog() : CDialog(kListsDialog) {}
    CListBox& ListBox() { return *static_cast<CListBox*>(GetDlgItem(kListBox)); }
    CComboBox& DropDownList() { return *static_cast<CComboBox*>(GetDlgItem(kDropDownList)); }
    CListCtrl& ListView() { return *static_cast<CListCtrl*>(GetDlgItem(kListView)); }

    std::vector<std::string> heard;

private:
    void OnListBoxChange() { heard.push_back("LBN_SELCHANGE " + std::to_string(ListBox().GetCurSel())); }
    void OnDropDownListChange() { heard.push_back("CBN_SELCHANGE " + std::to_string(DropDownList().GetCurSel())); }
    void OnItemChanged(NMHDR* header, LRESULT*)
    {
        const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        if ((change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED))
            heard.push_back("LVN_ITEMCHANGED " + std::to_string(change->iItem));
    }
    void OnClick(NMHDR*, LRESULT*) { heard.push_back("NM_CLICK"); }
    void OnDoubleClick(NMHDR*, LRESULT*) { heard.push_back("NM_DBLCLK"); }
};

RV_MESSAGE_MAP(ListsDialog, CDialog,
               msgmap::Command(kListBox, &T::OnListBoxChange, LBN_SELCHANGE),
               msgmap::Command(kDropDownList, &T::OnDropDownListChange, CBN_SELCHANGE),
               msgmap::Notify(LVN_ITEMCHANGED, kListView, &T::OnItemChanged),
               msgmap::Notify(NM_CLICK, kListView, &T::OnClick),
               msgmap::Notify(NM_DBLCLK, kListView, &T::OnDoubleClick))

struct ListCase {
    const char* name;
    int id;
    const char* told;      // the notification of a selection change
    bool toldOfProgram;    // whether the program's own choice is told too
    bool choiceFocused = true;   // whether the program focuses the row it chooses
};

class ListSelectionKeys : public testing::TestWithParam<ListCase> {
protected:
    void SetUp() override
    {
        RegisterListsDialog();
        ASSERT_TRUE(dialog.Create(kListsDialog));
        dialog.ListView().InsertColumn(0, "Fruit", LVCFMT_LEFT, 100);
        for (const char* fruit : kFruits) {
            dialog.ListBox().AddString(fruit);
            dialog.DropDownList().AddString(fruit);
            dialog.ListView().InsertItem(dialog.ListView().GetItemCount(), fruit);
        }
        dialog.ShowWindow(SW_SHOW);
        dialog.heard.clear();
    }
    // The program's own choice, as SetCurSel or SetItemState makes it.
    void Choose(int row)
    {
        if (GetParam().id == kListBox)
            dialog.ListBox().SetCurSel(row);
        else if (GetParam().id == kDropDownList)
            dialog.DropDownList().SetCurSel(row);
        else
            dialog.ListView().SetItemState(row, LVIS_SELECTED | (GetParam().choiceFocused ? LVIS_FOCUSED : 0u),
                                           LVIS_SELECTED | LVIS_FOCUSED);
    }
    int Selected()
    {
        if (GetParam().id == kListBox)
            return dialog.ListBox().GetCurSel();
        if (GetParam().id == kDropDownList)
            return dialog.DropDownList().GetCurSel();
        return dialog.ListView().GetNextItem(-1, LVNI_SELECTED);
    }
    std::vector<std::string> ToldOf(int row) const { return {GetParam().told + std::string(" ") + std::to_string(row)}; }

    ListsDialog dialog;
};

} // namespace

TEST_P(ListSelectionKeys, EveryMoveByKeysIsToldAndTheProgramsOwnChoiceOnlyByTheListView)
{
    Choose(0);
    EXPECT_EQ(dialog.heard, GetParam().toldOfProgram ? ToldOf(0) : std::vector<std::string>{});
    QWidget* list = platform::ui::detail::WidgetOf(dialog.GetDlgItem(GetParam().id)->m_hWnd);
    dialog.GetDlgItem(GetParam().id)->SetFocus();
    QCoreApplication::processEvents();

    // Five rows fit in each list, so a page goes from one end to the other.
    const struct {
        const char* name;
        Qt::Key key;
        int row;
    } steps[] = {{"Down", Qt::Key_Down, 1},         {"Down", Qt::Key_Down, 2},     {"Up", Qt::Key_Up, 1},
                 {"End", Qt::Key_End, 4},           {"End", Qt::Key_End, 4},       {"Home", Qt::Key_Home, 0},
                 {"Up", Qt::Key_Up, 0},             {"Page Down", Qt::Key_PageDown, 4},
                 {"Page Up", Qt::Key_PageUp, 0},    {"d", Qt::Key_D, 3},           {"Home", Qt::Key_Home, 0}};
    int before = Selected();
    for (const auto& step : steps) {
        dialog.heard.clear();
        QTest::keyClick(list, step.key);
        EXPECT_EQ(Selected(), step.row) << step.name;
        EXPECT_EQ(dialog.heard, step.row != before ? ToldOf(step.row) : std::vector<std::string>{})
            << step.name << " from row " << before;
        before = step.row;
    }

    dialog.heard.clear();
    Choose(2);
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(dialog.heard, GetParam().toldOfProgram ? ToldOf(2) : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Lists, ListSelectionKeys,
                         testing::Values(ListCase{"ListBox", kListBox, "LBN_SELCHANGE", false},
                                         ListCase{"DropDownList", kDropDownList, "CBN_SELCHANGE", false},
                                         ListCase{"ListView", kListView, "LVN_ITEMCHANGED", true},
                                         ListCase{"ListViewChoiceNotFocused", kListView, "LVN_ITEMCHANGED", true,
                                                  false}),
                         [](const testing::TestParamInfo<ListCase>& each) { return std::string(each.param.name); });
