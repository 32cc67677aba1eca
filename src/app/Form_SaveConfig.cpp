#include "app/Form_SaveConfig.h"

#include "app/AppGlobals.h"
#include "app/KnownConfigFiles.h"
#include "platform/ui/CommonDialogs.h"
#include "resources/ResourceIds.h"
#include "settings/Settings.h"
#include "settings/ui/ProfileValueEdits.h"

RV_MESSAGE_MAP(CForm_SaveConfig, CConfigFileDialog,
               msgmap::Notify(NM_CLICK, IDC_CONFIG_LIST, &T::OnClickList),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_CONFIG_LIST, &T::OnClickList),
               msgmap::Command(IDC_SAVE_CHOOSE_FILE, &T::OnButtonChooseFile),
               msgmap::Command(IDC_SAVE_DELETE, &T::OnButtonDelete),
               msgmap::Command(IDC_CONFIG_OK, &T::OnButtonOK),
               msgmap::Command(IDC_CONFIG_CANCEL, &T::OnButtonCancel))

CForm_SaveConfig::CForm_SaveConfig(CWnd* parent) : CConfigFileDialog(IDD_SAVE_CONFIG, parent) {}

BOOL CForm_SaveConfig::OnInitDialog()
{
    if (g_strConfigPath == kNoConfigFile)
        g_strConfigPath.Empty();
    if (g_strConfigPath.IsEmpty())
        g_strConfigPath = FirstFreeConfigName();
    CConfigFileDialog::OnInitDialog();
    LimitToProfileValue(*this, {IDC_CONFIG_PATH});
    m_pathBox.SetWindowText(g_strConfigPath);
    ModifyStyleEx(0, WS_EX_APPWINDOW);
    return TRUE;
}

// A row the keys move to is taken as a clicked one.
void CForm_SaveConfig::OnClickList(NMHDR* header, LRESULT* result)
{
    if (const auto row = ChosenRow(m_list, header))
        m_pathBox.SetWindowText(RowPath(*row));
    *result = 0;
}

void CForm_SaveConfig::OnButtonChooseFile()
{
    CFileDialog dialog(FALSE, "ini", "your_diary", 0, "ini(*.ini)|*.ini||");
    dialog.m_ofn.lpstrTitle = "Sava As";
    dialog.m_ofn.lpstrInitialDir = PathBoxFolder();
    if (dialog.DoModal() != IDOK)
        return;
    g_strConfigPath = dialog.GetPathName();
    m_pathBox.SetWindowText(g_strConfigPath);
}

// Acts on the selected row alone (not on a row clicked earlier).
void CForm_SaveConfig::OnButtonDelete()
{
    const int row = SelectedRow();
    if (row >= 0 && MessageBox("Are you sure you want to delete file:" + RowPath(row), "Question", MB_YESNOCANCEL) == IDYES)
        DeleteRowFile(row);
}

// An empty box is refused; a bare name is taken in the program folder. The list gets the name
// as typed, which the next reading drops unless it names something there.
void CForm_SaveConfig::OnButtonOK()
{
    CString typed = m_pathBox.GetWindowText();
    typed.Trim();
    if (typed.IsEmpty()) {
        MessageBox("Please enter a file name.", "保存", MB_OK | MB_ICONINFORMATION);
        m_pathBox.SetFocus();
        return;
    }
    g_strConfigPath = ResolveConfigName(typed);
    AppendRow(typed);
    EndDialog(IDOK);
}

void CForm_SaveConfig::OnButtonCancel()
{
    EndDialog(IDCANCEL);
}
