#pragma once
// Dialog 262 "成功！": names the document a run made and offers to open it, to show it in its
// folder, or to close. The choice goes to g_nAfterGenerateAction.

#include "controls/FontLabel/FontLabel.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/StandardControls.h"

class CForm_CongratulationDocx : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_CongratulationDocx(CWnd* parent = nullptr);

    CFontLabel m_labelTip;
    CFontLabel m_labelDone;
    CFontLabel m_labelFileIs;
    CFontLabel m_labelPath;
    CButton m_buttonClose;
    CButton m_buttonOpenFolder;
    CButton m_buttonOpenFile;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnButtonOpenFile();
    void OnButtonOpenFolder();
    void OnButtonClose();
};
