#pragma once
// Dialog 178: the progress window of a generation run. A bar and a percentage tick while the
// worker writes the document; its OK gives up waiting: the main window is usable again and the
// run is asked not to start (a run already under way goes on to its end).

#include "platform/ui/Dialog.h"
#include "platform/ui/StandardControls.h"

class CFormFileCompareProgress : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    // The main window is the one the OK button gives back to the user.
    explicit CFormFileCompareProgress(CWnd* mainWindow = nullptr);

    CStatic m_labelWait;
    CStatic m_labelPercent;
    CProgressCtrl m_progress;
    int m_nTick = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnTimer(UINT_PTR id);
    void OnButtonOK();
    void OnClose();

    CWnd* m_pMainWindow;
};
