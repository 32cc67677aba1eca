#pragma once
// A dialog for tests of controls the program makes with Create: it records the commands and
// custom-draw notifications it gets and answers custom draw as the test says.

#include "platform/ui/Dialog.h"
#include "platform/ui/ToolBarCtrl.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

constexpr UINT kHostDialog = 9301;

struct CustomDrawSeen {
    DWORD stage;
    DWORD_PTR item;
    UINT state;
    RECT rect;
};

class HostDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    HostDialog() : CDialog(kHostDialog) {}

    std::vector<UINT> commands;
    std::vector<CustomDrawSeen> drawn;
    // The answer to a custom-draw stage; none: the default.
    std::function<LRESULT(const NMTBCUSTOMDRAW&)> answer;

private:
    void OnCommand(UINT id) { commands.push_back(id); }
    void OnCustomDraw(NMHDR* header, LRESULT* result);
};

class HostDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    HostDialog dialog;
};
