#include "dialogs/calendar/Form_CalendarSettings.h"

#include "dialogs/calendar/CalendarStyleFields.h"
#include "docx/DocxBuilder.h"
#include "dialogs/calendar/Form_ViewSample.h"
#include "dialogs/calendar/Form_YearCalendarExample.h"
#include "dialogs/LineTypeList.h"
#include "platform/Files.h"
#include "resources/CalendarDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/DialogHelpers.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"
#include "settings/ui/ComboHelpers.h"

CString g_strMonthFormatCopy;
BYTE g_bMonthUpperCopy = 0;

namespace {

constexpr int kGroupIds[5] = {IDC_YC_GROUP_MONTH, IDC_YC_GROUP_WEEK, IDC_YC_GROUP_DAYS, IDC_YC_GROUP_LINE,
                              IDC_YC_GROUP_PREVIEW};
constexpr int kSampleIds[3] = {IDC_YC_SAMPLE_06, IDC_YC_SAMPLE_07, IDC_YC_SAMPLE_01};
constexpr int kAlignIds[3] = {IDC_YC_ALIGN_LEFT, IDC_YC_ALIGN_CENTRE, IDC_YC_ALIGN_RIGHT};
constexpr const char* kDefaultFace = "Microsoft Sans Serif";
constexpr int kPresetCount = 8;

// The style defaults: month, weekday, Sunday and Saturday, Monday to Friday, outside the range.
constexpr BYTE kDefaultStyles[CForm_CalendarSettings::kStyleCount] = {1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 1};

BYTE Flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

RV_MESSAGE_MAP(CForm_CalendarSettings, CDiaryDialog,
               msgmap::Command(IDC_CAL_OK, &T::OnOK),
               msgmap::Command(IDC_CAL_CANCEL, &T::OnButtonCancel),
               msgmap::CommandRange(IDC_YC_ALIGN_LEFT, IDC_YC_ALIGN_RIGHT, &T::OnAlign),
               msgmap::Command(IDC_YC_DEFAULT_ALL, &T::OnDefaultAll),
               msgmap::Command(IDC_YC_DEFAULT_STYLES, &T::SetDefaultStyles),
               msgmap::Command(IDC_YC_FONT_DEFAULT, &T::OnDefaultFont),
               msgmap::CommandRange(1021, 1029, &T::OnStyleCheck),
               msgmap::CommandRange(1200, 1203, &T::OnStyleCheck),
               msgmap::CommandRange(1302, 1304, &T::OnStyleCheck),
               msgmap::Command(IDC_CAL_FONT, &T::OnFontChange, CBN_SELCHANGE),
               msgmap::Notify(NM_CLICK, IDC_CAL_LINE_TYPES, &T::OnClickLineType),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_CAL_LINE_TYPES, &T::OnClickLineType),
               msgmap::Command(IDC_CAL_EXAMPLE, &T::OnSelectPreset),
               msgmap::Command(IDC_YC_VIEW_EXAMPLE, &T::OnViewExample),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPicked),
               msgmap::Simple(WM_PAINT, &T::OnPaint),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy))

CForm_CalendarSettings::CForm_CalendarSettings(CWnd* parent) : CDiaryDialog(IDD_YEAR_CALENDAR, parent) {}

void CForm_CalendarSettings::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    for (int index = 0; index < 5; ++index)
        DDX_Control(dx, kGroupIds[index], m_groups[index]);
    for (int index = 0; index < kColourCount; ++index)
        DDX_Control(dx, kCalendarColours[index].id, m_colours[index]);
    DDX_Control(dx, IDC_YC_MONTH_TITLE, m_monthTitle);
    DDX_Control(dx, IDC_YC_WEEK_ROW, m_weekRow);
    for (int day = 0; day < 7; ++day)
        DDX_Control(dx, kYearCalendarLetterIds[day], m_letters[day]);
    for (int index = 0; index < 3; ++index)
        DDX_Control(dx, kSampleIds[index], m_samples[index]);
    DDX_Control(dx, IDC_CAL_FONT, m_comboFont);
    DDX_Control(dx, IDC_CAL_LINE_TYPES, m_listLineTypes);
}

CColorButton& CForm_CalendarSettings::Colour(int id)
{
    for (int index = 0; index < kColourCount; ++index)
        if (kCalendarColours[index].id == id)
            return m_colours[index];
    return m_colours[0];
}

BOOL CForm_CalendarSettings::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    for (CThemedGroupBox& group : m_groups)
        group.SetBold(TRUE, TRUE);
    GetDlgItem(IDC_YC_FRAME)->ShowWindow(SW_HIDE);
    ChooseAlignment(0);
    CClientDC dc(this);
    FillFontNameCombo(&m_comboFont, &dc);
    SelectComboStringKept(&m_comboFont, "Tahoma");
    FillLineTypeList(m_listLineTypes, m_lineTypeImages, "线条风格");
    PrepareColourButtons();
    PreparePreviewLabels();
    LoadSettings();
    for (int id : {IDC_YC_MONTH_FONT, IDC_YC_WEEK_FONT, IDC_YC_MONTH_BACK, IDC_YC_WEEK_BACK})
        ApplyColour(id);
    Check(IDC_YC_SHOW_ALL_MONTHS, g_bShowAllMonths != 0);
    return TRUE;
}

void CForm_CalendarSettings::PrepareColourButtons()
{
    for (int index = 0; index < kColourCount; ++index) {
        CColorButton& button = m_colours[index];
        button.SetCustomText("More colores...");
        button.SetDefaultText("default");
        button.SetTrackSelection(TRUE);
        button.SetColor(HexToColor(kCalendarColours[index].initial));
    }
}

void CForm_CalendarSettings::LoadSettings()
{
    const CalendarStyle& s = g_calendarStyle;
    if (!s.line_type.IsEmpty())
        ChooseLineType(s.line_type);
    for (int index = 0; index < kColourCount; ++index) {
        const CString& text = s.*kCalendarColours[index].field;
        if (text.IsEmpty())
            continue;
        m_colours[index].SetColor(CDocxBuilder::ColorTextToColorRef(text.str()));
        ApplyColour(kCalendarColours[index].id);
    }
    Check(IDC_YC_BLANK_ROW, s.ABlankRowAfterAmonth != 0);
    ChooseFont(s.font_name);
    ChooseAlignment(s.Month_Align);
    for (int index = 0; index < kStyleCount; ++index)
        Check(kYearCalendarStyleIds[index], s.*kCalendarStyleFlags[index].field != 0);
    ApplyAllStyles();
}

void CForm_CalendarSettings::SaveSettings()
{
    CalendarStyle& s = g_calendarStyle;
    for (int align = 0; align < 3; ++align)
        if (Checked(kAlignIds[align]))
            s.Month_Align = align;
    s.font_name = m_comboFont.GetWindowText();
    s.line_type = m_listLineTypes.GetItemText(m_nLineTypeRow, kLineNameColumn);
    for (int index = 0; index < kColourCount; ++index)
        s.*kCalendarColours[index].field = ColorToHex(m_colours[index].GetColor());
    s.ABlankRowAfterAmonth = Flag(Checked(IDC_YC_BLANK_ROW));
    for (int index = 0; index < kStyleCount; ++index)
        s.*kCalendarStyleFlags[index].field = Flag(Checked(kYearCalendarStyleIds[index]));
    g_bShowAllMonths = Flag(Checked(IDC_YC_SHOW_ALL_MONTHS));
}

void CForm_CalendarSettings::OnOK()
{
    SaveSettings();
    EndDialog(IDOK);
}

// A name no row has leaves the list unticked and the chosen row as it was.
void CForm_CalendarSettings::ChooseLineType(const CString& name)
{
    const int row = SelectLineType(m_listLineTypes, name);
    if (row < 0)
        return;
    m_nLineTypeRow = row;
    m_strLinePen = m_listLineTypes.GetItemText(row, kLineDrawColumn);
    m_listLineTypes.SetFocus();
}

// 0, 1 and 2 check their radio and align the month title; another value checks none.
void CForm_CalendarSettings::ChooseAlignment(int align)
{
    for (int index = 0; index < 3; ++index)
        Check(kAlignIds[index], index == align);
    if (align < 0 || align > 2)
        return;
    m_monthTitle.m_bLeft = align == 0;
    m_monthTitle.m_bCenter = align == 1;
    m_monthTitle.m_bRight = align == 2;
    m_monthTitle.Invalidate();
}

// The face is kept even when it is not installed here, and the month title shows it.
void CForm_CalendarSettings::ChooseFont(const CString& face)
{
    m_comboFont.SetCurSel(0);
    SelectComboStringKept(&m_comboFont, face);
    m_monthTitle.m_strFace = m_comboFont.GetWindowText();
    m_monthTitle.Invalidate();
}

void CForm_CalendarSettings::OnAlign(UINT id)
{
    ChooseAlignment(static_cast<int>(id) - IDC_YC_ALIGN_LEFT);
}

void CForm_CalendarSettings::OnDefaultAll()
{
    ChooseFont(kDefaultFace);
    OnFontChange();
    const struct {
        int id;
        const char* colour;
    } defaults[] = {{IDC_YC_MONTH_BACK, "FFFFFF"},  {IDC_YC_MONTH_FONT, "000000"},  {IDC_YC_WEEK_BACK, "808080"},
                    {IDC_YC_WEEK_FONT, "FFFFFF"},   {IDC_YC_DAY06_FONT, "808080"},  {IDC_YC_DAY15_FONT, "0000CD"},
                    {IDC_YC_NOLINK_FONT, "808080"}, {IDC_YC_DAY06_BACK, "FFFFFF"},  {IDC_YC_DAY15_BACK, "FFFFFF"},
                    {IDC_YC_NODIARY_BACK, "FFFFFF"}, {IDC_YC_EMPTY_BACK, "F3F3F3"}, {IDC_YC_LINE_COLOUR, "808080"}};
    for (const auto& colour : defaults) {
        Colour(colour.id).SetColor(HexToColor(colour.colour));
        ApplyColour(colour.id);
    }
    ChooseAlignment(1);
    Check(IDC_YC_BLANK_ROW, true);
    ChooseLineType("dotted");
    SetDefaultStyles();
}

void CForm_CalendarSettings::SetDefaultStyles()
{
    for (int index = 0; index < kStyleCount; ++index)
        Check(kYearCalendarStyleIds[index], kDefaultStyles[index] != 0);
    ApplyAllStyles();
}

// The combo only: the preview keeps its face until the face is chosen from the list.
void CForm_CalendarSettings::OnDefaultFont()
{
    m_comboFont.SetCurSel(0);
    SelectComboStringKept(&m_comboFont, kDefaultFace);
}

void CForm_CalendarSettings::OnStyleCheck(UINT)
{
    ApplyAllStyles();
}

void CForm_CalendarSettings::OnFontChange()
{
    const CString face = m_comboFont.GetWindowText();
    m_monthTitle.m_strFace = face;
    for (CFontLabel& label : m_samples)
        label.m_strFace = face;
    for (CFontLabel& label : m_letters)
        label.m_strFace = face;
    RedrawPreview();
}

void CForm_CalendarSettings::OnClickLineType(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const auto choice = ChosenLineType(m_listLineTypes, header);
    if (!choice)
        return;
    m_nLineTypeRow = choice->row;
    m_strLinePen = choice->pen;
    RedrawPreview();
}

void CForm_CalendarSettings::OnSelectPreset()
{
    CForm_YearCalendarExample picker(this);
    if (picker.DoModal() != IDOK)
        return;
    const CString file = g_strExeFolder + kYearCalendarPresetFile;
    if (platform::PathExists(file.str()))
        LoadStylePreset(file, kPresetCount, g_nYearCalendarPreset);
}

void CForm_CalendarSettings::OnViewExample()
{
    CForm_ViewSampleYearlyCalendar sample(this);
    sample.DoModal();
}

LRESULT CForm_CalendarSettings::OnColourPicked(WPARAM, LPARAM id)
{
    ApplyColour(static_cast<int>(id));
    return 1;
}

void CForm_CalendarSettings::OnDestroy()
{
    Default();
    m_lineTypeImages.DeleteImageList();
}
