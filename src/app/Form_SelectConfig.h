#pragma once
// Dialog 215 "选择模板配置": chooses the configuration file to open. On IDOK g_strConfigPath
// holds the chosen path.

#include "app/ConfigFileDialog.h"

class CForm_SelectConfig : public CConfigFileDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_SelectConfig(CWnd* parent = nullptr);

protected:
    // Enter opens the path chosen, as 确定 does; with none it closes as 取消, so the design in
    // memory is never replaced by a reload of its own file.
    void OnOK() override;

private:
    void OnClickList(NMHDR* header, LRESULT* result);
    void OnDblclkList(NMHDR* header, LRESULT* result);
    void OnButtonChooseFile();
    void OnButtonDelete();
    void OnButtonOK();
    void OnButtonCancel();
};
