#include "dialogs/calendar/Form_SetMonth.h"

#include "platform/Clock.h"
#include "platform/ui/MessageBox.h"
#include "resources/DateDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/DateTimeOper.h"
#include "settings/DialogHelpers.h"
#include "settings/Settings.h"
#include "settings/ui/ProfileValueEdits.h"

namespace {

constexpr std::array<int, 4> kMarks{IDC_SM_MARK_REST_BEFORE, IDC_SM_MARK_REST_AFTER, IDC_SM_MARK_NUMBER_BEFORE,
                                    IDC_SM_MARK_NUMBER_AFTER};
constexpr std::array<int, 7> kPreviews{IDC_SM_PREVIEW_REST_BEFORE,   IDC_SM_PREVIEW_REST_AFTER,
                                       IDC_SM_PREVIEW_NUMBER_BEFORE, IDC_SM_PREVIEW_NUMBER_AFTER,
                                       IDC_SM_PREVIEW_WEEKEND,       IDC_SM_PREVIEW_REST_NUMBER,
                                       IDC_SM_PREVIEW_DAY_NUMBER};
constexpr std::array<int, 5> kGroups{IDC_SM_GROUP_RANGE, IDC_SM_GROUP_WEEKDAYS, IDC_SM_GROUP_MONTH_FORMAT,
                                     IDC_SM_GROUP_CAPTIONS, IDC_SM_GROUP_STYLE};
// The captions of the groups are in this COLORREF (blue-dominant).
constexpr COLORREF kGroupColour = 0xCD5F3A;

} // namespace

RV_MESSAGE_MAP(CForm_SetMonth, CDialog,
               msgmap::Command(IDC_SM_OK, &T::OnButtonOK),
               msgmap::Command(IDC_SM_CANCEL, &T::OnButtonCancel),
               msgmap::Command(IDC_SM_DEFAULTS, &T::InitDefaults),
               msgmap::Command(IDC_SM_START_MONTH, &T::OnStartMonthChange, CBN_SELCHANGE),
               msgmap::Command(IDC_SM_END_MONTH, &T::OnEndMonthChange, CBN_SELCHANGE),
               msgmap::Command(IDC_SM_START_DAY, &T::RecountDays, CBN_SELCHANGE),
               msgmap::Command(IDC_SM_END_DAY, &T::RecountDays, CBN_SELCHANGE),
               msgmap::Command(IDC_SM_TOMORROW, &T::OnTomorrow),
               msgmap::Command(IDC_SM_YEAR_END, &T::OnYearEnd),
               msgmap::Command(IDC_SM_COUNT_DAYS, &T::OnCountDays),
               msgmap::Command(IDC_SM_WEEKDAY_DEFAULT, &T::OnWeekdayDefault),
               msgmap::Command(IDC_SM_SUNDAY, &T::ReadWeekdayChecks),
               msgmap::Command(IDC_SM_MONDAY, &T::ReadWeekdayChecks),
               msgmap::Command(IDC_SM_TUESDAY, &T::ReadWeekdayChecks),
               msgmap::Command(IDC_SM_WEDNESDAY, &T::ReadWeekdayChecks),
               msgmap::Command(IDC_SM_THURSDAY, &T::ReadWeekdayChecks),
               msgmap::Command(IDC_SM_FRIDAY, &T::ReadWeekdayChecks),
               msgmap::Command(IDC_SM_SATURDAY, &T::ReadWeekdayChecks),
               msgmap::Command(IDC_SM_MONTH_Y_M, &T::OnFixedMonthFormat),
               msgmap::Command(IDC_SM_MONTH_ABBR, &T::OnFixedMonthFormat),
               msgmap::Command(IDC_SM_MONTH_M_Y, &T::OnFixedMonthFormat),
               msgmap::Command(IDC_SM_MONTH_FULL, &T::OnFixedMonthFormat),
               msgmap::Command(IDC_SM_MONTH_CUSTOM, &T::OnCustomMonthFormat),
               msgmap::Command(IDC_SM_PREVIEW_CUSTOM, &T::OnPreviewCustomFormat),
               msgmap::Command(IDC_SM_CUSTOM_FORMAT, &T::FollowFormatLengths, EN_CHANGE),
               msgmap::Command(IDC_SM_MONTH_UPPER, &T::ShowMonthPreview),
               msgmap::Command(IDC_SM_REST_DAY, &T::OnRestDayCheck),
               msgmap::Command(IDC_SM_WEEKEND, &T::OnWeekEndCheck),
               msgmap::Command(IDC_SM_DAY_NUMBER, &T::OnDayNumberCheck),
               msgmap::Command(IDC_SM_OWN_STYLE, &T::OnCaptionStyleCheck),
               msgmap::Command(IDC_SM_TEXT_BOLD, &T::StyleCaptionPreviews),
               msgmap::Command(IDC_SM_TEXT_ITALIC, &T::StyleCaptionPreviews),
               msgmap::Command(IDC_SM_REST_NUMBER_BOLD, &T::StyleCaptionPreviews),
               msgmap::Command(IDC_SM_REST_NUMBER_ITALIC, &T::StyleCaptionPreviews),
               msgmap::Command(IDC_SM_DAY_NUMBER_BOLD, &T::StyleCaptionPreviews),
               msgmap::Command(IDC_SM_DAY_NUMBER_ITALIC, &T::StyleCaptionPreviews),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPicked),
               msgmap::Notify(NM_CLICK, IDC_SM_FORMAT_LIST, &T::OnClickFormatList),
               msgmap::Notify(LVN_KEYDOWN, IDC_SM_FORMAT_LIST, &T::OnKeydownFormatList),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_SM_FORMAT_LIST, &T::OnFormatItemChanged),
               msgmap::Notify(NM_RCLICK, IDC_SM_FORMAT_LIST, &T::OnRclickFormatList),
               msgmap::Message(WM_CONTEXTMENU, &T::OnContextMenu),
               msgmap::Command(ID_DATE_FORMAT_DELETE, &T::DeleteDateFormat, 0),
               msgmap::Command(IDC_SM_ADD_FORMAT, &T::OnAddDateFormat),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy))

CForm_SetMonth::CForm_SetMonth(CWnd* parent) : CDialog(IDD_SET_MONTH, parent) {}

CString CForm_SetMonth::FormatCurrentTime(const char* pattern)
{
    return CString(platform::FormatTime(pattern, platform::LocalTime(platform::Now()), 99));
}

void CForm_SetMonth::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SM_START_MONTH, m_comboStartMonth);
    DDX_Control(dx, IDC_SM_START_DAY, m_comboStartDay);
    DDX_Control(dx, IDC_SM_END_MONTH, m_comboEndMonth);
    DDX_Control(dx, IDC_SM_END_DAY, m_comboEndDay);
    DDX_Control(dx, IDC_SM_UNTICKED_COLOUR, m_buttonUncheckedColour);
    DDX_Control(dx, IDC_SM_TEXT_COLOUR, m_buttonTextColour);
    DDX_Control(dx, IDC_SM_REST_NUMBER_COLOUR, m_buttonRestNumberColour);
    DDX_Control(dx, IDC_SM_DAY_NUMBER_COLOUR, m_buttonDayNumberColour);
    DDX_Control(dx, IDC_SM_STATUS, m_labelStatus);
    DDX_Control(dx, IDC_SM_COUNT_LABEL, m_labelCount);
    DDX_Control(dx, IDC_SM_YEAR, m_labelYear);
    DDX_Control(dx, IDC_SM_START_LABEL, m_labelStart);
    DDX_Control(dx, IDC_SM_END_LABEL, m_labelEnd);
    DDX_Control(dx, IDC_SM_START_CAPTION, m_labelStartCaption);
    DDX_Control(dx, IDC_SM_END_CAPTION, m_labelEndCaption);
    for (size_t index = 0; index < kMarks.size(); ++index)
        DDX_Control(dx, kMarks[index], m_labelMarks[index]);
    for (size_t index = 0; index < kPreviews.size(); ++index)
        DDX_Control(dx, kPreviews[index], m_labelPreviews[index]);
    for (size_t index = 0; index < kGroups.size(); ++index)
        DDX_Control(dx, kGroups[index], m_groups[index]);
    DDX_Control(dx, IDC_SM_FORMAT_LIST, m_listFormats);
}

BOOL CForm_SetMonth::OnInitDialog()
{
    CDialog::OnInitDialog();
    LimitToProfileValue(*this, {IDC_SM_CUSTOM_FORMAT, IDC_SM_QUARTER_TEXT, IDC_SM_REST_BEFORE, IDC_SM_REST_AFTER,
                                IDC_SM_NUMBER_BEFORE, IDC_SM_NUMBER_AFTER, IDC_SM_WEEKEND_TEXT});
    m_nYear = CDateTimeOper().GetCurrentYear();
    StyleControls();
    FillDateCombos();
    SetUpFormatList();
    // A new template shows the default daily format, so that is the one the file must hold.
    ShowFormatRows(SyncDateFormatFile(g_strConfigPath.IsEmpty() ? CString(kDefaultDayFormat) : g_strDayFormat));
    ShowMonthFormatCaptions();
    m_strDayFormat = g_strDayFormat;
    if (g_strConfigPath.IsEmpty()) {
        InitDefaults();
    } else {
        LoadDates();
        ShowSelectedFormat();
    }
    ShowUncheckedWeekChecks();
    ReadWeekdayChecks();
    LoadCaptionStyle();
    SetChecked(IDC_SM_UNTICKED_BOLD, g_bUncheckedWeekFontBold != 0);
    SetChecked(IDC_SM_UNTICKED_ITALIC, g_bUncheckedWeekFontItalic != 0);
    SetChecked(IDC_SM_UNTICKED_STRIKE, g_bUncheckedWeekFontDelLine != 0);
    SetChecked(IDC_SM_TWO_DIGITS, g_bCalendarFormat2Bit != 0);
    m_buttonUncheckedColour.SetColor(HexToColor(g_strUncheckedWeekFontColor));
    SetChecked(IDC_SM_MONTH_UPPER, g_bMonthUpper != 0);
    ShowMonthPreview();
    return TRUE;
}

void CForm_SetMonth::StyleControls()
{
    m_groups[0].SetBold(TRUE, TRUE);
    m_groups[1].SetBold(TRUE, TRUE);
    for (size_t index = 2; index < m_groups.size(); ++index)
        m_groups[index].SetTextColor(kGroupColour, TRUE);
    for (CColorButton* button :
         {&m_buttonUncheckedColour, &m_buttonTextColour, &m_buttonRestNumberColour, &m_buttonDayNumberColour}) {
        button->SetColor(RGB(255, 255, 255));
        button->SetTrackSelection(TRUE);
        button->SetCustomText("More colores...");
        button->SetDefaultText("default");
    }
    m_labelStatus.SetLabelFont("Tahoma", 20, RGB(0, 0, 0), FST_ANTIALIAS);
    m_labelCount.SetLabelFont("Tahoma", 24, 0x3333CD, FST_ANTIALIAS);
    m_labelYear.SetLabelFont("Tahoma", 42, 0x810202, FST_ANTIALIAS | FST_CENTRE);
    for (CFontLabel* label : {&m_labelStart, &m_labelEnd})
        label->SetLabelFont("Times New Roman", 20, kGroupColour, FST_ANTIALIAS);
    for (CFontLabel* label : {&m_labelStartCaption, &m_labelEndCaption})
        label->SetLabelFont("Tahoma", 20, RGB(0, 0, 0), FST_ANTIALIAS);
    for (CFontLabel& mark : m_labelMarks)
        mark.SetLabelFont("Tahoma", 25, 0x3C14DC, FST_ANTIALIAS);
    CString year;
    year.Format("%d", m_nYear);
    m_labelYear.SetWindowText(year);
}

// The defaults of the whole dialog (no configuration, and 默认). The weekday boxes stay.
void CForm_SetMonth::InitDefaults()
{
    ShowStatus("", RGB(0, 0, 0));
    FillDateCombos();
    DefaultCaptions();
    m_listFormats.SetFocus();
    RecountDays();
    RefreshCaptionPreviews();
}

void CForm_SetMonth::OnButtonOK()
{
    if (!CheckBeforeClosing())
        return;
    m_nCancelState = 0;
    EndDialog(IDOK);
}

void CForm_SetMonth::OnCancel()
{
    if (!CheckBeforeClosing())
        return;
    m_nCancelState = 0;
    CDialog::OnCancel();
}

void CForm_SetMonth::OnButtonCancel()
{
    m_nCancelState = 1;
    EndDialog(IDCANCEL);
}

bool CForm_SetMonth::CheckBeforeClosing()
{
    if (IsChecked(IDC_SM_OWN_STYLE) && !CheckCaptionPairs())
        return false;
    if (GetMonthFormat().IsEmpty()) {
        ReportEmptyCustomFormat();
        return false;
    }
    return CheckFormatLengths();
}

// The controls still stand while their dialog is destroyed; the opener reads the settings
// after DoModal, which returns once the window is gone.
void CForm_SetMonth::OnDestroy()
{
    if (m_nCancelState == 0)
        StoreAll();
    Default();
}

// A range without a diary day ends on 31 December, so no empty range is ever stored.
void CForm_SetMonth::StoreAll()
{
    if (m_nCountedDays <= 0)
        OnYearEnd();
    StoreDates();
    StoreUncheckedWeekStyle();
    StoreCaptions();
    StoreCaptionStyle();
    StoreFormats();
}

void CForm_SetMonth::StoreDates()
{
    ReadCombos();
    g_nMonthStart = m_nMonthStart;
    g_nMonthEnd = m_nMonthEnd;
    g_nDayStart = m_nDayStart;
    g_nDayEnd = m_nDayEnd;
}

void CForm_SetMonth::StoreUncheckedWeekStyle()
{
    g_bUncheckedWeekFontBold = IsChecked(IDC_SM_UNTICKED_BOLD) ? 1 : 0;
    g_bUncheckedWeekFontItalic = IsChecked(IDC_SM_UNTICKED_ITALIC) ? 1 : 0;
    g_bUncheckedWeekFontDelLine = IsChecked(IDC_SM_UNTICKED_STRIKE) ? 1 : 0;
    g_strUncheckedWeekFontColor = ColorToHex(m_buttonUncheckedColour.GetColor());
    for (size_t weekday = 0; weekday < m_abWeekdays.size(); ++weekday)
        g_abUncheckedWeek[weekday] = m_abWeekdays[weekday];
}

bool CForm_SetMonth::IsChecked(int id) const
{
    return static_cast<const CButton*>(GetDlgItem(id))->GetCheck() == BST_CHECKED;
}

void CForm_SetMonth::SetChecked(int id, bool checked)
{
    static_cast<CButton*>(GetDlgItem(id))->SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
}

CString CForm_SetMonth::ItemText(int id) const
{
    return GetDlgItem(id)->GetWindowText();
}
