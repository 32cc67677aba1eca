#include "app/RorovavozirApp.h"

#include "app/Form_SetWord.h"
#include "resources/ProgramResources.h"

BOOL CRorovavozirApp::InitInstance()
{
    RegisterProgramResources();
    CForm_SetWord dialog(nullptr);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
