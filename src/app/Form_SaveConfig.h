#pragma once
// Dialog 214 "保存": chooses the file the current design is saved to. On IDOK g_strConfigPath
// holds that path, ending in ".ini".

#include "app/ConfigFileDialog.h"

class CForm_SaveConfig : public CConfigFileDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_SaveConfig(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    // Enter does nothing here.
    void OnOK() override {}

private:
    void OnClickList(NMHDR* header, LRESULT* result);
    void OnButtonChooseFile();
    void OnButtonDelete();
    void OnButtonOK();
    void OnButtonCancel();
};
