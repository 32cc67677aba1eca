#pragma once
// A dialog with one control of each kind the custom controls attach to, for their tests.

#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

#include <gtest/gtest.h>

constexpr UINT kControlDialog = 9201;
constexpr int kLabel = 1001, kGroup = 1002, kInside = 1003, kOnEdge = 1004, kOutside = 1005, kButton = 1006, kList = 1007;
constexpr int kEdit = 1008, kPush = 1009, kLink = 1010, kPanel = 1011, kCheck = 1012, kDefault = 1013;
constexpr const char* kLinkAddress = "https://example.org/diary?a=1&b=2";

inline void RegisterControlDialog()
{
    DialogTemplate dialog;
    dialog.id = kControlDialog;
    dialog.cx = 480;
    dialog.cy = 320;
    dialog.controls = {
        {ControlClass::Static, kLabel, "Label", 0, 0, 100, 20, SS_LEFT},
        {ControlClass::Static, kGroup, "", 0, 40, 200, 100, SS_LEFT},
        {ControlClass::Button, kInside, "in", 20, 60, 40, 12, BS_AUTOCHECKBOX},
        {ControlClass::Button, kOnEdge, "edge", 0, 120, 40, 20, BS_AUTOCHECKBOX},
        {ControlClass::Button, kOutside, "out", 210, 60, 40, 12, BS_AUTOCHECKBOX},
        {ControlClass::Button, kButton, "&Go", 100, 150, 100, 30, BS_OWNERDRAW},
        {ControlClass::ListView, kList, "", 0, 200, 260, 100, LVS_REPORT | LVS_SHOWSELALWAYS},
        {ControlClass::Edit, kEdit, "", 300, 0, 100, 14, ES_AUTOHSCROLL | WS_BORDER},
        {ControlClass::Button, kPush, "Push", 300, 20, 80, 20, BS_PUSHBUTTON},
        {ControlClass::Static, kLink, kLinkAddress, 300, 50, 170, 20, SS_LEFT},
        {ControlClass::Button, kPanel, "Options", 300, 80, 160, 80, BS_GROUPBOX},
        {ControlClass::Button, kCheck, "Check", 300, 170, 80, 20, BS_AUTOCHECKBOX},
        {ControlClass::Button, kDefault, "Default", 390, 170, 80, 20, BS_DEFPUSHBUTTON},
    };
    RegisterDialogTemplate(dialog);
}

class ControlDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterControlDialog();
        ASSERT_TRUE(dialog.Create(kControlDialog));
        dialog.ShowWindow(SW_SHOW);
    }
    CDialog dialog{kControlDialog};
};
