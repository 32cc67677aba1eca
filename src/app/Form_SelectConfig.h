#pragma once
// Dialog 215 "选择模板配置": chooses the configuration file to open. On IDOK g_strConfigPath
// holds the chosen path.

#include "app/ConfigFileDialog.h"

class CForm_SelectConfig : public CConfigFileDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_SelectConfig(CWnd* parent = nullptr);

private:
    void OnClickList(NMHDR* header, LRESULT* result);
    void OnDblclkList(NMHDR* header, LRESULT* result);
    void OnButtonChooseFile();
    void OnButtonDelete();
    void OnButtonOK();
    void OnButtonCancel();
};
