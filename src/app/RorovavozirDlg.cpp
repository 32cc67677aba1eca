#include "app/RorovavozirDlg.h"

#include "app/AboutDlg.h"
#include "app/ConfigPathFile.h"
#include "app/SaveTelling.h"
#include "platform/ui/DC.h"
#include "platform/ui/Images.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Resources.h"
#include "resources/ResourceIds.h"
#include "settings/Settings.h"

namespace {

void StoreStartShow(CWnd& owner)
{
    PathFileSaveTelling(owner, [] { return WriteStartShow(); });
}

} // namespace

RV_MESSAGE_MAP(CRorovavozirDlg, CDialog,
               msgmap::Message(WM_SYSCOMMAND, &T::OnSysCommandMessage),
               msgmap::Simple(WM_PAINT, &T::OnPaint),
               msgmap::Message(WM_QUERYDRAGICON, &T::OnQueryDragIcon),
               msgmap::CommandRange(IDC_RADIO_PICTURE_1, IDC_RADIO_PICTURE_5, &T::OnRadioPicture),
               msgmap::Command(IDC_CHECK_NO_SHOW, &T::OnCheckNoShow),
               msgmap::Command(IDC_BUTTON_NEXT, &T::OnButtonNext),
               msgmap::Command(IDC_BUTTON_ABOUT, &T::OnButtonAbout))

CRorovavozirDlg::CRorovavozirDlg(CWnd* parent)
    : CDialog(IDD_WELCOME, parent), m_hIcon(LoadIconResource(IDI_MAINFRAME, 0, 0))
{
}

CRorovavozirDlg::~CRorovavozirDlg()
{
    if (m_hIcon)
        DestroyIcon(m_hIcon);
}

void CRorovavozirDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_START_PICTURE, m_staticPicture);
    DDX_Control(dx, IDC_CHECK_NO_SHOW, m_checkNoShow);
    DDX_Control(dx, IDC_BUTTON_ABOUT, m_buttonAbout);
    DDX_Control(dx, IDC_WELCOME_NOTE, m_staticNote);
    DDX_Control(dx, IDC_BUTTON_NEXT, m_buttonNext);
}

BOOL CRorovavozirDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const std::optional<CString> aboutItem = LoadResourceString(IDS_ABOUTBOX);
    if (CMenu* systemMenu = GetSystemMenu(FALSE); systemMenu && aboutItem && !aboutItem->IsEmpty()) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, *aboutItem);
    }
    SetIcon(m_hIcon, TRUE);
    Invalidate();
    CheckRadioButton(this, IDC_RADIO_PICTURE_1, IDC_RADIO_PICTURE_5, IDC_RADIO_PICTURE_1);
    ShowStartPicture(1);
    m_checkNoShow.SetCheck(g_bStartShow == 0 ? BST_CHECKED : BST_UNCHECKED);
    SetWindowText("Rorovavozir");
    return TRUE;
}

LRESULT CRorovavozirDlg::OnSysCommandMessage(WPARAM command, LPARAM parameter)
{
    OnSysCommand(command, parameter);
    return 0;
}

void CRorovavozirDlg::OnSysCommand(WPARAM command, LPARAM)
{
    if ((command & 0xFFF0) == IDM_ABOUTBOX)
        OnButtonAbout();
    else
        Default();
}

LRESULT CRorovavozirDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}

// Nothing loads a picture into the box, so it paints nothing; it stays for the picture it may hold.
void CRorovavozirDlg::OnPaint()
{
    CPaintDC dc(this);
    m_picture.UpdateSizeOnDC(&dc);
    CRect area;
    m_staticNote.GetWindowRect(&area);
    ScreenToClient(&area);
    m_picture.Show(&dc, area);
}

void CRorovavozirDlg::OnRadioPicture(UINT id)
{
    ShowStartPicture(static_cast<int>(id) - IDC_RADIO_PICTURE_1 + 1);
}

void CRorovavozirDlg::ShowStartPicture(int number)
{
    m_staticPicture.ModifyStyle(SS_TYPEMASK, SS_BITMAP);
    CString path;
    path.Format("%sconfig/pic/start/%d.bmp", g_strExeFolder.GetString(), number);
    CBitmap picture;
    picture.Attach(LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    m_staticPicture.SetBitmap(static_cast<HBITMAP>(picture.GetSafeHandle()));
    // The static shows the new picture; the one it showed before goes.
    m_startPicture.DeleteObject();
    m_startPicture.Attach(picture.Detach());
}

void CRorovavozirDlg::OnCheckNoShow()
{
    g_bStartShow = m_checkNoShow.GetCheck() == BST_CHECKED ? 0 : 1;
    StoreStartShow(*this);
}

void CRorovavozirDlg::OnButtonNext()
{
    StoreStartShow(*this);
    EndDialog(IDOK);
}

void CRorovavozirDlg::OnButtonAbout()
{
    CAboutDlg about(m_hWnd ? this : m_pParentWnd);
    about.DoModal();
}
