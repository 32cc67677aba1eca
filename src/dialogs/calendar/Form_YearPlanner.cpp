#include "dialogs/calendar/Form_YearPlanner.h"

#include "app/Form_SetWord.h"
#include "dialogs/calendar/Form_ViewSample.h"
#include "dialogs/LineTypeList.h"
#include "docx/DocxBuilder.h"
#include "resources/CalendarDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/DateTextBounds.h"
#include "settings/DateTimeOper.h"
#include "settings/DialogHelpers.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"
#include "settings/ui/ComboHelpers.h"
#include "settings/ui/ProfileValueEdits.h"

namespace {

struct PlannerColour {
    int id;
    CString YearPlannerSettings::*field;
    const char* initial;
    const char* byDefault;   // what "默认" gives
};

// In the order OK stores them.
const PlannerColour kColours[CForm_YearPlanner::kColourCount] = {
    {IDC_YP_MONTH_BACK, &YearPlannerSettings::color_for_month_bk, "FFFFFF", "535353"},
    {IDC_YP_MONTH_FONT, &YearPlannerSettings::color_for_month_font, "000000", "FFFFFF"},
    {IDC_YP_WEEK_BACK, &YearPlannerSettings::color_for_weekname_bk, "FFFFFF", "B0B095"},
    {IDC_YP_WEEK_FONT, &YearPlannerSettings::color_for_weekname_font, "000000", "FFFFFF"},
    {IDC_YP_DAY15_BACK, &YearPlannerSettings::color_for_week1to5_bk, "FFFFFF", "FAFAF3"},
    {IDC_YP_DAY15_FONT, &YearPlannerSettings::color_for_week1to5_font, "000000", "666666"},
    {IDC_YP_DAY06_BACK, &YearPlannerSettings::color_for_week0and6_bk, "FFFFFF", "999999"},
    {IDC_YP_DAY06_FONT, &YearPlannerSettings::color_for_week0and6_font, "000000", "FFFFFF"},
    {IDC_YP_LINE_COLOUR, &YearPlannerSettings::line_color, "000000", "EAEAEA"},
    {IDC_YP_DOUBLE_MONTH_BACK, &YearPlannerSettings::color_for_double_month_bk, "FFFFFF", "F7F7F7"},
    {IDC_YP_EMPTY_BACK, &YearPlannerSettings::color_for_day_is_empty_bk, "000000", "FFFFFF"},
};

constexpr int kFirstFontSize = 5;
constexpr int kLastFontSize = 72;
constexpr int kNineSizeIndex = 8;

BYTE Flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

RV_MESSAGE_MAP(CForm_YearPlanner, CDiaryDialog,
               msgmap::Command(IDC_CAL_OK, &T::OnOK),
               msgmap::Command(IDC_CAL_CANCEL, &T::OnButtonCancel),
               msgmap::Command(IDC_YP_DEFAULT, &T::OnDefault),
               msgmap::Command(IDC_YP_PREVIEW_FORMAT, &T::OnPreviewMonthFormat),
               msgmap::Command(IDC_YP_UPPER, &T::OnUpperCaseCheck),
               msgmap::Command(IDC_YP_ONE_PAGE, &T::OnOnePagePlanner),
               msgmap::Notify(NM_CLICK, IDC_CAL_LINE_TYPES, &T::OnLineTypeClick),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_CAL_LINE_TYPES, &T::OnLineTypeClick),
               msgmap::Command(IDC_YP_REFRESH, &T::RefreshPreview),
               msgmap::Command(IDC_CAL_FONT, &T::ApplyPreviewColours, CBN_SELCHANGE),
               msgmap::Command(IDC_YP_SIZE, &T::ApplyPreviewColours, CBN_SELCHANGE),
               msgmap::Command(IDC_CAL_EXAMPLE, &T::OnViewExample),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPicked),
               msgmap::Simple(WM_PAINT, &T::OnPaint),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy))

CForm_YearPlanner::CForm_YearPlanner(CWnd* parent) : CDiaryDialog(IDD_YEAR_PLANNER, parent) {}

void CForm_YearPlanner::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    for (int index = 0; index < 5; ++index)
        DDX_Control(dx, kYearPlannerGroupIds[index], m_groups[index]);
    for (int index = 0; index < kColourCount; ++index)
        DDX_Control(dx, kColours[index].id, m_colours[index]);
    DDX_Control(dx, IDC_CAL_FONT, m_comboFont);
    DDX_Control(dx, IDC_YP_SIZE, m_comboSize);
    DDX_Control(dx, IDC_CAL_LINE_TYPES, m_listLineTypes);
    for (int index = 0; index < 2; ++index)
        DDX_Control(dx, kYearPlannerMonthIds[index], m_months[index]);
    for (int index = 0; index < 6; ++index)
        DDX_Control(dx, kYearPlannerWeekIds[index], m_weekdays[index]);
    for (int index = 0; index < 12; ++index)
        DDX_Control(dx, kYearPlannerDayIds[index], m_days[index]);
}

CColorButton& CForm_YearPlanner::Colour(int id)
{
    for (int index = 0; index < kColourCount; ++index)
        if (kColours[index].id == id)
            return m_colours[index];
    return m_colours[0];
}

BOOL CForm_YearPlanner::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    LimitToProfileValue(*this, {IDC_YP_ONE_PAGE_FORMAT});
    for (CThemedGroupBox& group : m_groups)
        group.SetBold(TRUE, TRUE);
    GetDlgItem(IDC_YP_FRAME)->ShowWindow(SW_HIDE);
    FillLineTypeList(m_listLineTypes, m_lineTypeImages, "风格");
    for (int index = 0; index < kColourCount; ++index) {
        m_colours[index].SetColor(HexToColor(kColours[index].initial));
        m_colours[index].SetTrackSelection(TRUE);
        m_colours[index].SetCustomText("更多...");
        m_colours[index].SetDefaultText("默认");
    }
    CClientDC dc(this);
    FillFontNameCombo(&m_comboFont, &dc);
    m_comboFont.SetCurSel(0);
    SelectComboStringKept(&m_comboFont, "Tahoma");
    CForm_SetWord::FillFontSizeCombo(&m_comboSize, kFirstFontSize, kLastFontSize, kNineSizeIndex);
    LoadSettings();
    Check(IDC_YP_APPLY, g_bConfigYearPlanner != 0);
    RefreshPreview();
    return TRUE;
}

void CForm_YearPlanner::LoadSettings()
{
    const YearPlannerSettings& y = g_yearPlanner;
    SelectComboStringKept(&m_comboFont, y.str_FontName);
    SelectComboStringKept(&m_comboSize, y.str_FontSize);
    for (int index = 0; index < kColourCount; ++index)
        m_colours[index].SetColor(HexToColor(y.*kColours[index].field));
    GetDlgItem(IDC_YP_ONE_PAGE_FORMAT)->SetWindowText(y.MonthFormat_For1PageYearPlanner);
    Check(IDC_YP_UPPER, y.YearPlanner1Page_MonthUppercase != 0);
    Check(IDC_YP_ONE_PAGE, y.YearPlanner1Page != 0);
    Check(IDC_YP_QUARTER, y.YearPlannerQuarterPlanner != 0);
    OnOnePagePlanner();
    ChooseLineType(y.line_type_name_in_xml);
    m_listLineTypes.SetFocus();
}

void CForm_YearPlanner::SaveSettings()
{
    YearPlannerSettings& y = g_yearPlanner;
    for (int index = 0; index < kColourCount; ++index)
        y.*kColours[index].field = ColorToHex(m_colours[index].GetColor());
    y.line_type_name_in_xml = m_listLineTypes.GetItemText(m_nLineTypeRow, kLineNameColumn);
    y.str_FontName = m_comboFont.GetWindowText();
    y.str_FontSize = m_comboSize.GetWindowText();
    y.MonthFormat_For1PageYearPlanner = TrimString(GetDlgItem(IDC_YP_ONE_PAGE_FORMAT)->GetWindowText());
    y.YearPlanner1Page = Flag(Checked(IDC_YP_ONE_PAGE));
    y.YearPlannerQuarterPlanner = Flag(Checked(IDC_YP_QUARTER));
    y.YearPlanner1Page_MonthUppercase = Flag(Checked(IDC_YP_UPPER));
    g_bConfigYearPlanner = Flag(Checked(IDC_YP_APPLY));
}

void CForm_YearPlanner::OnOK()
{
    if (!CheckMonthFormatLength())
        return;
    SaveSettings();
    EndDialog(IDOK);
}

bool CForm_YearPlanner::CheckMonthFormatLength()
{
    CWnd* edit = GetDlgItem(IDC_YP_ONE_PAGE_FORMAT);
    const CString format = TrimString(edit->GetWindowText());
    if (!Checked(IDC_YP_ONE_PAGE) ||
        datebounds::Fits(format, CDateTimeOper().GetCurrentYear(), datebounds::kShownMonthTitle))
        return true;
    CString told;
    told.Format("一页年计划表的月份格式太长：一个月份标题最多 %zu 字节，即 %zu 个汉字（一个字母或数字算 1 字节）。"
                "请缩短格式。",
                datebounds::kShownMonthTitle, datebounds::ChineseCharacters(datebounds::kShownMonthTitle));
    MessageBox(told, "年计划表设置", MB_OK | MB_ICONINFORMATION);
    edit->SetFocus();
    return false;
}

void CForm_YearPlanner::ChooseLineType(const CString& name)
{
    if (const int row = SelectLineType(m_listLineTypes, name); row >= 0)
        m_nLineTypeRow = row;
}

// The check boxes keep their states.
void CForm_YearPlanner::OnDefault()
{
    SelectComboStringKept(&m_comboFont, "Tahoma");
    SelectComboStringKept(&m_comboSize, "9");
    GetDlgItem(IDC_YP_ONE_PAGE_FORMAT)->SetWindowText("%m月");
    for (int index = 0; index < kColourCount; ++index)
        m_colours[index].SetColor(HexToColor(kColours[index].byDefault));
    ChooseLineType("single");
    RefreshPreview();
    m_listLineTypes.SetFocus();
}

void CForm_YearPlanner::OnPreviewMonthFormat()
{
    const CString format = TrimString(GetDlgItem(IDC_YP_ONE_PAGE_FORMAT)->GetWindowText());
    if (!format.IsEmpty())
        GetDlgItem(IDC_YP_FORMAT_SAMPLE)->SetWindowText(CDateTimeOper().FormatNow(format));
}

void CForm_YearPlanner::OnUpperCaseCheck()
{
    const CString format = GetDlgItem(IDC_YP_ONE_PAGE_FORMAT)->GetWindowText();
    CString sample = CDateTimeOper().FormatNow(format);
    if (Checked(IDC_YP_UPPER))
        sample = CDocxBuilder::ToUpperCopy(sample.str()).c_str();
    GetDlgItem(IDC_YP_FORMAT_SAMPLE)->SetWindowText(sample);
}

void CForm_YearPlanner::OnOnePagePlanner()
{
    for (int id : {IDC_YP_UPPER, IDC_YP_ONE_PAGE_FORMAT, IDC_YP_PREVIEW_FORMAT})
        Enable(id, Checked(IDC_YP_ONE_PAGE));
}

void CForm_YearPlanner::OnLineTypeClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const auto row = ChosenRow(m_listLineTypes, header);
    if (!row)
        return;
    m_nLineTypeRow = *row;
    RefreshPreview();
}

void CForm_YearPlanner::OnViewExample()
{
    CForm_ViewSamplePlanner sample(this);
    sample.DoModal();
}

// A background or the line redraws the whole sample; a text colour only the labels.
LRESULT CForm_YearPlanner::OnColourPicked(WPARAM, LPARAM id)
{
    if (id == IDC_YP_MONTH_FONT || id == IDC_YP_WEEK_FONT || id == IDC_YP_DAY06_FONT || id == IDC_YP_DAY15_FONT)
        ApplyPreviewColours();
    else
        RefreshPreview();
    return 1;
}

void CForm_YearPlanner::OnDestroy()
{
    Default();
    m_lineTypeImages.DeleteImageList();
}
