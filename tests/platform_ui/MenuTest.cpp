// Context menus from menu resources: the popup's items, and the command chosen reaching the window.
#include "HostDialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/TestHooks.h"

namespace {

constexpr UINT kMenu = 9401;

class MenuTest : public HostDialogTest {
protected:
    void SetUp() override
    {
        HostDialogTest::SetUp();
        RegisterMenuTemplate({kMenu, {{{32775, "&Delete"}, {32776, "&Copy"}}}});
    }
    platform::ui::PopupMenuRecorder menus;
};

} // namespace

TEST_F(MenuTest, TheChosenItemReachesTheWindowAsACommand)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(kMenu));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(menu.GetSubMenu(1), nullptr);
    EXPECT_EQ(popup->GetMenuItemCount(), 2u);
    EXPECT_EQ(popup->GetMenuItemID(1), 32776u);
    menus.Choose(32775);
    EXPECT_TRUE(popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 10, 10, &dialog));
    EXPECT_EQ(dialog.commands, std::vector<UINT>{32775});
    EXPECT_EQ(menus.Shown(), (std::vector<std::vector<std::string>>{{"&Delete", "&Copy"}}));
}

TEST_F(MenuTest, AMenuClosedWithoutAChoiceSendsNothing)
{
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(kMenu + 1));
    ASSERT_TRUE(menu.LoadMenu(kMenu));
    EXPECT_FALSE(menu.GetSubMenu(0)->TrackPopupMenu(0, 0, 0, &dialog));
    EXPECT_TRUE(dialog.commands.empty());
}
