#include "app/Form_SelectConfig.h"

#include "platform/ui/CommonDialogs.h"
#include "resources/ResourceIds.h"
#include "settings/Settings.h"

RV_MESSAGE_MAP(CForm_SelectConfig, CConfigFileDialog,
               msgmap::Notify(NM_CLICK, IDC_CONFIG_LIST, &T::OnClickList),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_CONFIG_LIST, &T::OnClickList),
               msgmap::Notify(NM_DBLCLK, IDC_CONFIG_LIST, &T::OnDblclkList),
               msgmap::Command(IDC_SELECT_CHOOSE_FILE, &T::OnButtonChooseFile),
               msgmap::Command(IDC_SELECT_DELETE, &T::OnButtonDelete),
               msgmap::Command(IDC_CONFIG_OK, &T::OnButtonOK),
               msgmap::Command(IDC_CONFIG_CANCEL, &T::OnButtonCancel))

CForm_SelectConfig::CForm_SelectConfig(CWnd* parent) : CConfigFileDialog(IDD_SELECT_CONFIG, parent) {}

// A row the keys move to is taken as a clicked one.
void CForm_SelectConfig::OnClickList(NMHDR* header, LRESULT* result)
{
    if (const auto row = ChosenRow(m_list, header))
        m_pathBox.SetWindowText(RowPath(*row));
    *result = 0;
}

void CForm_SelectConfig::OnDblclkList(NMHDR*, LRESULT* result)
{
    OnButtonOK();
    *result = 0;
}

void CForm_SelectConfig::OnButtonChooseFile()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "ini(*.ini,*.INI)|*.ini;*.INI||",
                       this);
    dialog.m_ofn.lpstrInitialDir = PathBoxFolder();
    if (dialog.DoModal() != IDOK) {
        m_pathBox.SetWindowText("");
        return;
    }
    m_pathBox.SetWindowText(dialog.GetPathName());
    AppendRow(dialog.GetPathName());
}

// Deletes without asking.
void CForm_SelectConfig::OnButtonDelete()
{
    const int row = SelectedRow();
    if (row >= 0)
        DeleteRowFile(row);
    m_pathBox.SetWindowText("");
}

// Nothing to open while the box is empty.
void CForm_SelectConfig::OnButtonOK()
{
    const CString path = m_pathBox.GetWindowText();
    if (path.IsEmpty())
        return;
    g_strConfigPath = path;
    EndDialog(IDOK);
}

void CForm_SelectConfig::OnOK()
{
    if (m_pathBox.GetWindowTextLength() == 0)
        OnButtonCancel();
    else
        OnButtonOK();
}

void CForm_SelectConfig::OnButtonCancel()
{
    EndDialog(IDCANCEL);
}
