// A list of one choice with check boxes, driven by the mouse and the keys: one row is chosen,
// selected and ticked, whatever the user clicks or presses.
#include "ControlDialog.h"
#include "controls/lists/ChoiceList.h"
#include "platform/ui/TestWindows.h"

#include <vector>

namespace {

class ChoiceListTest : public ControlDialogTest {
protected:
    void SetUp() override
    {
        ControlDialogTest::SetUp();
        ASSERT_TRUE(list.SubclassDlgItem(kList, &dialog));
        list.ModifyStyle(0, LVS_SINGLESEL);
        list.InsertColumn(0, "Line", LVCFMT_LEFT, 120);
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
        for (const char* word : {"single", "dotted", "dashed"})
            list.InsertItem(list.GetItemCount(), word);
        list.SetFocus();
        Click(Middle(1));
        ASSERT_EQ(Shown(), (std::vector<int>{1, 1}));
    }
    // The selected row and the ticked row, or what else the list shows.
    std::vector<int> Shown()
    {
        std::vector<int> shown;
        for (int row = 0; row < list.GetItemCount(); ++row)
            if (list.GetItemState(row, LVIS_SELECTED))
                shown.push_back(row);
        for (int row = 0; row < list.GetItemCount(); ++row)
            if (list.GetCheck(row))
                shown.push_back(row);
        return shown;
    }
    CPoint Middle(int row)
    {
        CRect bounds;
        list.GetItemRect(row, &bounds, LVIR_BOUNDS);
        return bounds.CenterPoint();
    }
    CPoint CheckBox(int row)
    {
        const CPoint middle = Middle(row);
        for (int x = 0; x < middle.x; ++x) {
            UINT flags = 0;
            if (list.HitTest(CPoint(x, middle.y), &flags) == row && (flags & LVHT_ONITEMSTATEICON))
                return {x, middle.y};
        }
        ADD_FAILURE() << "no check box on row " << row;
        return middle;
    }
    void Click(CPoint point)
    {
        platform::ui::SimulateMouse(list, WM_LBUTTONDOWN, point);
        platform::ui::SimulateMouse(list, WM_LBUTTONUP, point);
    }
    CChoiceList list;
};

} // namespace

TEST_F(ChoiceListTest, OneRowIsChosenSelectedAndTickedWhateverTheUserDoes)
{
    CRect client;
    list.GetClientRect(&client);
    Click(CPoint(client.CenterPoint().x, client.bottom - 4));
    EXPECT_EQ(Shown(), (std::vector<int>{1, 1})) << "a click beside the rows";
    platform::ui::SimulateKey(list, VK_SPACE);
    EXPECT_EQ(Shown(), (std::vector<int>{1, 1})) << "Space on the chosen row";
    platform::ui::SimulateKey(list, VK_DOWN);
    EXPECT_EQ(Shown(), (std::vector<int>{2, 2})) << "Down";
    Click(CheckBox(0));
    EXPECT_EQ(Shown(), (std::vector<int>{0, 0})) << "a click on another row's box";
    Click(CheckBox(0));
    EXPECT_EQ(Shown(), (std::vector<int>{0, 0})) << "a click on the chosen row's box";
}
