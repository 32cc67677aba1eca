#include "app/Form_SetWord.h"

#include "app/AppGlobals.h"
#include "app/ConfigPathFile.h"
#include "app/ThreadFileCompareProgress.h"
#include "app/CurrentClass.h"
#include "app/RorovavozirDlg.h"
#include "controls/ColourButton/ColourMessages.h"
#include "platform/Files.h"
#include "platform/ui/App.h"
#include "platform/ui/Images.h"
#include "platform/ui/Resources.h"
#include "resources/ResourceIds.h"
#include "settings/DateTimeOper.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"
#include "settings/ui/ProfileValueEdits.h"

RV_MESSAGE_MAP(CForm_SetWord, CDialog,
               msgmap::Simple(WM_DESTROY, &T::OnDestroy),
               msgmap::ShowWindow(&T::OnShowWindow),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPicked),
               msgmap::Message(WM_CTLCOLOR, &T::OnCtlColor),
               msgmap::Message(WM_DRAWITEM, &T::OnDrawItem),
               msgmap::Command(IDC_BUTTON_OPEN_FOLDER, &T::OnButtonOpenFolder),
               msgmap::Command(IDC_BUTTON_CHOOSE_PATH, &T::OnButtonChoosePath),
               msgmap::Command(IDC_BUTTON_DEFAULT_PATH, &T::OnButtonDefaultPath),
               msgmap::Command(IDC_COMBO_MONTH_LEVEL, &T::OnSelchangeMonthOutlineLevel, CBN_SELCHANGE),
               msgmap::Command(IDC_COMBO_DATE_LEVEL, &T::OnSelchangeDateOutlineLevel, CBN_SELCHANGE),
               msgmap::Command(ID_TOOLBAR_NEW, &T::OnToolbarNew),
               msgmap::Command(ID_TOOLBAR_OPEN, &T::OnToolbarOpen),
               msgmap::Command(ID_TOOLBAR_DATES, &T::OnToolbarDates),
               msgmap::Command(ID_TOOLBAR_SAVE, &T::OnToolbarSave),
               msgmap::Command(ID_TOOLBAR_EXIT, &T::OnToolbarExit),
               msgmap::Command(ID_TOOLBAR_SAVE_EXIT, &T::OnToolbarSaveExit),
               msgmap::Command(ID_TOOLBAR_HELP, &T::OnToolbarHelp),
               msgmap::Command(ID_TOOLBAR_ABOUT, &T::OnToolbarAbout),
               msgmap::Command(ID_TOOLBAR_YEAR_CALENDAR, &T::OnToolbarYearCalendar),
               msgmap::Command(ID_TOOLBAR_MONTH_CALENDAR, &T::OnToolbarMonthCalendar),
               msgmap::Command(ID_TOOLBAR_YEAR_PLANNER, &T::OnToolbarYearPlanner),
               msgmap::Command(IDC_BUTTON_VIEW_EXAMPLE, &T::OnButtonViewExample),
               msgmap::Command(IDC_BUTTON_GENERATE, &T::OnButtonGenerate),
               msgmap::Command(IDC_BUTTON_OPEN_FILE, &T::OnButtonOpenFile),
               msgmap::Message(WM_START_GENERATION_WORKER, &T::OnStartGenerationWorker),
               msgmap::Message(WM_ENABLE, &T::OnEnable),
               msgmap::Simple(WM_PAINT, &T::OnPaint),
               msgmap::Command(IDC_BUTTON_ADD, &T::OnButtonAdd),
               msgmap::Command(IDC_BUTTON_EDIT, &T::OnButtonEdit),
               msgmap::Notify(NM_DBLCLK, IDC_LIST_CLASSES, &T::OnDblclkClassList),
               msgmap::Command(IDC_BUTTON_DELETE, &T::OnButtonDelete),
               msgmap::Command(IDC_BUTTON_MOVE_UP, &T::OnButtonMoveUp),
               msgmap::Command(IDC_BUTTON_MOVE_DOWN, &T::OnButtonMoveDown),
               msgmap::Notify(NM_CLICK, IDC_LIST_CLASSES, &T::OnClickClassList),
               msgmap::Notify(LVN_KEYDOWN, IDC_LIST_CLASSES, &T::OnKeydownClassList),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_LIST_CLASSES, &T::OnClassListItemChanged),
               msgmap::Command(IDC_CHECK_ALL_COLUMNS, &T::OnCheckShowAllColumns),
               msgmap::Command(IDC_BUTTON_REFRESH_PREVIEW, &T::OnButtonRefreshPreview),
               msgmap::Command(IDC_BUTTON_SAME_FORMAT, &T::OnButtonSameFormat),
               msgmap::Command(IDC_BUTTON_MONTH_FORMAT, &T::OnButtonMonthFormat),
               msgmap::Command(IDC_BUTTON_DATE_FORMAT, &T::OnButtonDateFormat))

CForm_SetWord::CForm_SetWord(CWnd* parent)
    : CDialog(IDD_FORM_SETWORD, parent), m_hIcon(LoadIconResource(IDI_MAINFRAME, 0, 0))
{
}

CForm_SetWord::~CForm_SetWord()
{
    StopGeneration();
    if (m_hIcon)
        DestroyIcon(m_hIcon);
}

void CForm_SetWord::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_EDIT_TITLE, m_editTitle);
    DDX_Control(dx, IDC_CHECK_ADD_DATE, m_checkAddDate);
    DDX_Control(dx, IDC_PREVIEW_NOTE, m_labelNote);
    DDX_Control(dx, IDC_GROUP_PREVIEW, m_groupPreview);
    DDX_Control(dx, IDC_GROUP_DATES, m_groupDates);
    DDX_Control(dx, IDC_GROUP_DIARY, m_groupDiary);
    DDX_Control(dx, IDC_PREVIEW_LINE, m_labelLine);
    DDX_Control(dx, IDC_PREVIEW_NUMBER, m_labelNumber);
    DDX_Control(dx, IDC_PREVIEW_PREFIX, m_labelPrefix);
    DDX_Control(dx, IDC_BUTTON_MOVE_UP, m_buttonMoveUp);
    DDX_Control(dx, IDC_BUTTON_MOVE_DOWN, m_buttonMoveDown);
    DDX_Control(dx, IDC_LABEL_DAYCOUNT, m_labelDayCount);
    DDX_Control(dx, IDC_LABEL_END, m_labelEnd);
    DDX_Control(dx, IDC_LABEL_START, m_labelStart);
    DDX_Control(dx, IDC_BUTTON_OPEN_FOLDER, m_buttonOpenFolder);
    DDX_Control(dx, IDC_EDIT_OUT_FOLDER, m_editOutFolder);
    DDX_Control(dx, IDC_LIST_CLASSES, m_listClasses);
    DDX_Control(dx, IDC_BUTTON_GENERATE, m_buttonGenerate);
    DDX_Control(dx, IDC_COMBO_MONTH_LEVEL, m_comboMonthLevel);
    DDX_Control(dx, IDC_COMBO_DATE_LEVEL, m_comboDateLevel);
    DDX_Control(dx, IDC_PREVIEW_TITLE, m_labelTitle);
    DDX_Control(dx, IDC_LABEL_DATE_SAMPLE, m_labelDateSample);
    DDX_Control(dx, IDC_LABEL_MONTH_SAMPLE, m_labelMonthSample);
}

BOOL CForm_SetWord::OnInitDialog()
{
    CDialog::OnInitDialog();
    LimitToProfileValue(*this, {IDC_EDIT_TITLE, IDC_EDIT_OUT_FOLDER});
    SetIcon(m_hIcon, TRUE);
    SetApplicationIcon(m_hIcon);
    m_labelLine.SetWindowText("这里将会是您在Word日记里输入的内容.(请设置格式)");
    StyleGroupBoxes();
    m_rectLineLabel = ClientRectOf(IDC_PREVIEW_LINE);

    InitHeadingDefaults();
    InitMonthCalendarDefaults();
    InitYearPlannerDefaults();
    InitSameFormatDefaults();
    AllocSettingBuffers();
    ResetTableLineDefaults();
    for (BYTE& weekday : g_abUncheckedWeek)
        weekday = 1;
    g_strExeFolder = platform::CurrentFolder().c_str();
    g_nCurrentYear = CDateTimeOper().GetCurrentYear();
    m_bRowSelected = 0;
    m_bSpareFlag = 0;

    StyleGenerateButton();
    InitDefaultFontName();
    FillOutlineLevelCombos();
    InitClassListColumns();
    StyleDateLabels();
    StylePreviewCaption();

    InitStartConfigPath();
    CreateToolbar();
    LoadStartConfig();
    m_rectTitleLabel = ClientRectOf(IDC_PREVIEW_TITLE);
    ShowStoredOutFolder();
    ClearMottoWithoutFile();
    ReadStartShow();
    if (g_bStartShow == 1) {
        CRorovavozirDlg welcome(this);
        welcome.DoModal();
    }

    if (m_listClasses.GetItemCount() > 0)
        m_nListMode = 3;
    else if (g_strConfigPath.IsEmpty())
        NewConfig();
    if (m_editOutFolder.GetWindowTextLength() == 0)
        DefaultOutputFolder();
    UpdateMoveButtons();
    if (m_listClasses.GetItemCount() > 0) {
        m_nListMode = 1;
        m_nCurrentRow = 0;
        RefreshClassPreview(0);
        SelectListRow(0);
    }
    return TRUE;
}

BOOL CForm_SetWord::DestroyWindow()
{
    StopGeneration();
    return CDialog::DestroyWindow();
}

void CForm_SetWord::OnDestroy()
{
    Default();
    SaveOutFolder();
}

void CForm_SetWord::OnShowWindow(BOOL, UINT)
{
    Default();
    if (m_nCurrentRow == 0)
        m_listClasses.SetFocus();
}

LRESULT CForm_SetWord::OnColourPicked(WPARAM, LPARAM)
{
    return 1;
}

LRESULT CForm_SetWord::OnCtlColor(WPARAM, LPARAM)
{
    return Default();
}

LRESULT CForm_SetWord::OnDrawItem(WPARAM, LPARAM)
{
    return Default();
}

void CForm_SetWord::OnToolbarNew()
{
    NewConfig();
    OnButtonRefreshPreview();
}

void CForm_SetWord::OnToolbarOpen()
{
    OpenConfig();
}

void CForm_SetWord::OnToolbarDates()
{
    SetTemplateDates();
    OnButtonRefreshPreview();
}

void CForm_SetWord::OnToolbarSave()
{
    CheckAndSaveConfig();
    OnButtonRefreshPreview();
}

void CForm_SetWord::OnToolbarHelp()
{
    CRorovavozirDlg welcome(this);
    welcome.DoModal();
    OnButtonRefreshPreview();
}

void CForm_SetWord::OnToolbarAbout()
{
    CRorovavozirDlg welcome(this);
    welcome.OnButtonAbout();
    OnButtonRefreshPreview();
}

void CForm_SetWord::OnToolbarExit()
{
    StopGeneration();
    SaveOutFolder();
    AfxExitProcess(0);
}

void CForm_SetWord::OnToolbarSaveExit()
{
    SaveAndExit();
}

CRect CForm_SetWord::ClientRectOf(int id) const
{
    CRect rect;
    GetDlgItem(id)->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}
