// The system menu of a window with WS_SYSMENU, and its Close command.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/TestHooks.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kMenuDialog = 9401;
constexpr UINT kPlainDialog = 9402;

void Register(UINT id, DWORD style)
{
    DialogTemplate dialog;
    dialog.id = id;
    dialog.cx = 100;
    dialog.cy = 50;
    dialog.style = style;
    RegisterDialogTemplate(dialog);
}

} // namespace

TEST(SystemMenu, OnlyWindowsWithASystemMenuHaveOneAndItGrowsByAppends)
{
    Register(kMenuDialog, WS_CAPTION | WS_SYSMENU);
    Register(kPlainDialog, WS_CAPTION);
    CDialog plain(kPlainDialog);
    ASSERT_TRUE(plain.Create(kPlainDialog));
    EXPECT_EQ(plain.GetSystemMenu(FALSE), nullptr);

    CDialog dialog(kMenuDialog);
    ASSERT_TRUE(dialog.Create(kMenuDialog));
    CMenu* menu = dialog.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->GetMenuItemCount(), 1u);
    EXPECT_EQ(menu->GetMenuItemID(0), SC_CLOSE);
    EXPECT_TRUE(menu->AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(menu->AppendMenu(MF_STRING, 16, "About"));
    EXPECT_FALSE(menu->AppendMenu(MF_STRING, 17, nullptr)) << "an item needs a text";
    EXPECT_EQ(dialog.GetSystemMenu(FALSE)->GetMenuItemCount(), 3u) << "the same menu again";
    EXPECT_EQ(dialog.GetSystemMenu(TRUE), nullptr);
    EXPECT_EQ(dialog.GetSystemMenu(FALSE)->GetMenuItemCount(), 1u) << "reverted";
}

TEST(SystemMenu, CloseEndsAModalDialogAsTheCloseBoxDoes)
{
    Register(kMenuDialog, WS_CAPTION | WS_SYSMENU);
    std::vector<std::string> failures;
    platform::ui::ModalDriver driver([&](const std::string& failure) { failures.push_back(failure); });
    driver.Expect(kMenuDialog, [](platform::ui::DialogProbe& p) { p.Dialog().SendMessage(WM_SYSCOMMAND, SC_CLOSE); });
    CDialog dialog(kMenuDialog);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(failures.empty());
}
