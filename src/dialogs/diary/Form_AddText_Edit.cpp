#include "dialogs/diary/Form_AddText_Edit.h"

#include "dialogs/diary/Form_AddText.h"
#include "resources/HeadingDialogIds.h"
#include "resources/ResourceIds.h"

RV_MESSAGE_MAP(CForm_AddText_Edit, CDiaryDialog, msgmap::Command(IDC_TEXT_DETAIL_CLOSE, &T::OnClose))

CForm_AddText_Edit::CForm_AddText_Edit(CWnd* parent) : CDiaryDialog(IDD_ADD_TEXT_EDIT, parent) {}

BOOL CForm_AddText_Edit::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    CString number;
    number.Format("%d", m_nRow + 1);
    GetDlgItem(IDC_TEXT_DETAIL_NUMBER)->SetWindowText(number);
    if (m_nRow >= 0 && m_nRow < static_cast<int>(g_vecTextLines.size()))
        GetDlgItem(IDC_TEXT_DETAIL_TEXT)->SetWindowText(g_vecTextLines[static_cast<size_t>(m_nRow)].text.c_str());
    return TRUE;
}

void CForm_AddText_Edit::OnClose()
{
    EndDialog(IDOK);
}
