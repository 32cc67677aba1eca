#pragma once
// CDialog: a window built from a dialog template, run modally (its owner disabled, as on
// Windows, never the whole application) or modelessly.

#include "platform/ui/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    // Modeless: builds the window (hidden unless the template says visible) and initialises it.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* dx);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT GetTemplateId() const { return m_templateId; }
    // True from the start of a modal run until EndDialog.
    bool IsRunningModal() const { return m_running; }

protected:
    UINT m_templateId;
    CWnd* m_pParentWnd;

private:
    HWND BuildWindow(CWnd* owner);
    BOOL OnLayerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    bool m_running = false;
    int m_result = 0;
    void* m_loop = nullptr;   // the event loop of a modal run
};

// Moves values between the dialog's members and its controls.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    HWND PrepareCtrl(int id);
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
