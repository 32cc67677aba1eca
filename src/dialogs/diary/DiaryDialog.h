#pragma once
// What the dialogs of the daily page share: their Cancel button, reading, ticking and enabling
// their controls by id, and a control's rectangle in the dialog's client coordinates.

#include "platform/ui/Dialog.h"
#include "platform/ui/StandardControls.h"

class CDiaryDialog : public CDialog {
public:
    using CDialog::CDialog;

protected:
    // "取消": nothing is stored.
    void OnButtonCancel() { EndDialog(IDCANCEL); }
    bool Checked(int id) const { return static_cast<CButton*>(GetDlgItem(id))->GetCheck() == BST_CHECKED; }
    void Check(int id, bool on) { static_cast<CButton*>(GetDlgItem(id))->SetCheck(on ? BST_CHECKED : BST_UNCHECKED); }
    void Enable(int id, bool on) { GetDlgItem(id)->EnableWindow(on ? TRUE : FALSE); }
    CRect ClientRectOf(int id) const
    {
        CRect rect;
        GetDlgItem(id)->GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect;
    }
};
