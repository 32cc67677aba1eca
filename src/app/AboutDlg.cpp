#include "app/AboutDlg.h"

#include "app/ProgramVersion.h"
#include "platform/ui/Resources.h"
#include "platform/ui/StandardControls.h"
#include "resources/ResourceIds.h"

RV_MESSAGE_MAP(CAboutDlg, CDialog)

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ABOUT_LINK, m_linkMaker);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_picture.Attach(LoadBitmapResource(IDB_ABOUT)))
        static_cast<CStatic*>(GetDlgItem(IDC_ABOUT_PICTURE))->SetBitmap(static_cast<HBITMAP>(m_picture.GetSafeHandle()));
    GetDlgItem(IDC_ABOUT_TIP)
        ->SetWindowText("Tips: If you want to open *.docx quickly, Please 'Save as' Word document(*.doc) file.");
    CString version;
    version.Format("Version:%s (%s)", kVersion, kVersionDate);
    GetDlgItem(IDC_ABOUT_VERSION)->SetWindowText(version);
    return TRUE;
}
