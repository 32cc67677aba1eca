#pragma once
// What the save dialog (214) and the open dialog (215) share: the list of known configuration
// files, read when the dialog opens and written back whenever it closes, and the path box.

#include "controls/lists/ChoiceList.h"
#include "controls/lists/OwnerDrawList.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/StandardControls.h"

class CConfigFileDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    CConfigFileDialog(UINT templateId, CWnd* parent);

    COwnerDrawList m_list;
    CEdit m_pathBox;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnDestroy();

    // A row with the next number and the path.
    void AppendRow(const CString& path);
    CString RowPath(int row) const;
    // The selected row (the list selects one at most); -1 with none.
    int SelectedRow() const;
    // Deletes the row's file, then the row; a file that cannot be deleted is told and keeps its
    // row, so the stored list keeps naming it.
    void DeleteRowFile(int row);
    // The path box's text up to and including its last separator; empty without one.
    CString PathBoxFolder() const;

private:
    void SetUpList();
};
