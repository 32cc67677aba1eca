#pragma once
// Dialog 271 "保存和生成提示:": asks, before a document is generated, whether to save the
// configuration first. IDOK with g_nSaveConfirmChoice set, or IDCANCEL.

#include "platform/ui/Dialog.h"

class CForm_SaveConfirm : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_SaveConfirm(CWnd* parent = nullptr);

private:
    void OnButtonGenerate();
    void OnButtonSaveFirst();
    void OnButtonCancel();
};
