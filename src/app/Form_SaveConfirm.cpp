#include "app/Form_SaveConfirm.h"

#include "app/AppGlobals.h"
#include "resources/ResourceIds.h"

RV_MESSAGE_MAP(CForm_SaveConfirm, CDialog,
               msgmap::Command(IDC_CONFIRM_GENERATE, &T::OnButtonGenerate),
               msgmap::Command(IDC_CONFIRM_SAVE_FIRST, &T::OnButtonSaveFirst),
               msgmap::Command(IDC_CONFIRM_CANCEL, &T::OnButtonCancel))

CForm_SaveConfirm::CForm_SaveConfirm(CWnd* parent) : CDialog(IDD_SAVE_CONFIRM, parent) {}

void CForm_SaveConfirm::OnButtonGenerate()
{
    g_nSaveConfirmChoice = 0;
    EndDialog(IDOK);
}

void CForm_SaveConfirm::OnButtonSaveFirst()
{
    g_nSaveConfirmChoice = 1;
    EndDialog(IDOK);
}

void CForm_SaveConfirm::OnButtonCancel()
{
    EndDialog(IDCANCEL);
}
