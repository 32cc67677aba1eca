#include "dialogs/calendar/Form_MonthOfCalendar.h"

#include "app/Form_SetWord.h"
#include "dialogs/calendar/Form_ViewSample.h"
#include "dialogs/LineTypeList.h"
#include "docx/DocxBuilder.h"
#include "resources/ResourceIds.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"
#include "settings/SettingsRecords.h"
#include "settings/ui/ComboHelpers.h"
#include "settings/ui/DialogPictures.h"

namespace {

constexpr int kGroupIds[9] = {IDC_MC_GROUP_ROWS_ALL, IDC_MC_GROUP_DAY,     IDC_MC_GROUP_EACH_DAY,
                              IDC_MC_GROUP_EXAMPLE,  IDC_MC_GROUP_ROW,     IDC_MC_GROUP_WEEKEND,
                              IDC_MC_GROUP_WEEKDAY,  IDC_MC_GROUP_21_DAYS, IDC_MC_GROUP_TOP_LINE};
constexpr int kBoldGroups = 5;
constexpr int kRowGroup = 4;
constexpr COLORREF kRowGroupColour = RGB(205, 51, 51);
constexpr COLORREF kEditorGroupColour = RGB(58, 95, 205);
constexpr int kAlignIds[3] = {IDC_MC_ALIGN_LEFT, IDC_MC_ALIGN_CENTRE, IDC_MC_ALIGN_RIGHT};
constexpr const char* kWeekNames = "Sunday | Monday | Tuesday | Wednesday | Thursday | Friday | Saturday";
constexpr const char* kDefaultFace = "Microsoft Sans Serif";
constexpr int kFirstFontSize = 5;
constexpr int kLastFontSize = 72;
constexpr int kStartSizeIndex = 10;
constexpr int kHeaderHeight = 18;
constexpr int kYearCalendarDayHeight = 20;
constexpr int kStartSign = 1;

BYTE Flag(bool on)
{
    return on ? 1 : 0;
}

void Align(CFontLabel& label, int align)
{
    label.m_bLeft = align == 0;
    label.m_bCenter = align == 1;
    label.m_bRight = align == 2;
}

} // namespace

RV_MESSAGE_MAP(CForm_MonthOfCalendar, CDiaryDialog,
               msgmap::Command(IDC_CAL_OK, &T::OnOK),
               msgmap::Command(IDC_CAL_CANCEL, &T::OnButtonCancel),
               msgmap::Command(IDC_MC_FONT_DEFAULT, &T::OnDefaultFontName),
               msgmap::Command(IDC_MC_SIZE_DEFAULT, &T::OnDefaultFontSize),
               msgmap::Command(IDC_CAL_FONT, &T::ApplyRowFont, CBN_SELCHANGE),
               msgmap::Command(IDC_MC_SIZE, &T::ApplyRowFont, CBN_SELCHANGE),
               msgmap::Command(IDC_MC_UPPER, &T::OnUpperCase),
               msgmap::CommandRange(1320, 1324, &T::OnRowRadio),
               msgmap::Command(IDC_MC_WEEKEND_BOLD, &T::ApplyRowFontStyle),
               msgmap::Command(IDC_MC_WEEKEND_ITALIC, &T::ApplyRowFontStyle),
               msgmap::Command(IDC_MC_WEEKEND_STRIKE, &T::ApplyRowFontStyle),
               msgmap::Command(IDC_MC_WEEKDAY_BOLD, &T::ApplyRowFontStyle),
               msgmap::Command(IDC_MC_WEEKDAY_ITALIC, &T::ApplyRowFontStyle),
               msgmap::Command(IDC_MC_WEEKDAY_STRIKE, &T::ApplyRowFontStyle),
               msgmap::Command(IDC_MC_SAME_WEEKEND, &T::OnSameWeekendColours),
               msgmap::Command(IDC_MC_SAME_WEEKDAY, &T::OnSameWeekdayColours),
               msgmap::CommandRange(1014, 1018, &T::OnAddRowCheck),
               msgmap::Command(IDC_MC_21_DAYS, &T::On21DayCounter),
               msgmap::Command(IDC_MC_REST, &T::OnRestDays),
               msgmap::Command(IDC_MC_REST_APPLY, &T::OnApplyRestDays),
               msgmap::Command(IDC_MC_REST_DAYS, &T::OnRestDaysKillFocus, EN_KILLFOCUS),
               msgmap::Command(IDC_MC_WEEKEND_SIGN_CHECK, &T::OnWeekendSignCheck),
               msgmap::Command(IDC_MC_WEEKEND_SIGN, &T::OnWeekendSignButton),
               msgmap::Command(IDC_MC_WEEKDAY_SIGN_CHECK, &T::OnWeekdaySignCheck),
               msgmap::Command(IDC_MC_WEEKDAY_SIGN, &T::OnWeekdaySignButton),
               msgmap::Command(IDC_MC_YEAR_FORMAT, &T::OnUseYearCalendarFormat),
               msgmap::Command(IDC_MC_DAY_FONT, &T::OnDayFontNameChange, CBN_SELCHANGE),
               msgmap::Command(IDC_MC_DAY_SIZE, &T::OnDayFontSizeChange, CBN_SELCHANGE),
               msgmap::Command(IDC_MC_DAY_BOLD, &T::OnDayBold),
               msgmap::Command(IDC_MC_DAY_ITALIC, &T::OnDayItalic),
               msgmap::Command(IDC_MC_DAY_UNDERLINE, &T::OnDayUnderline),
               msgmap::Command(IDC_MC_ALIGN_LEFT, &T::OnDayAlignLeft),
               msgmap::Command(IDC_MC_ALIGN_CENTRE, &T::OnDayAlignCentre),
               msgmap::Command(IDC_MC_ALIGN_RIGHT, &T::OnDayAlignRight),
               msgmap::Notify(NM_CLICK, IDC_MC_TOP_LINES, &T::OnTopLineListClick),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_MC_TOP_LINES, &T::OnTopLineListClick),
               msgmap::Command(IDC_MC_SAME_TOP_COLOUR, &T::OnSameTopLineColour),
               msgmap::Notify(NM_CLICK, IDC_MC_GRID_LINES, &T::OnGridLineListClick),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_MC_GRID_LINES, &T::OnGridLineListClick),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPicked),
               msgmap::ShowWindow(&T::OnShowWindow),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy),
               msgmap::Command(IDC_CAL_EXAMPLE, &T::OnViewExample))

CForm_MonthOfCalendar::CForm_MonthOfCalendar(CWnd* parent) : CDiaryDialog(IDD_MONTH_CALENDAR, parent) {}

void CForm_MonthOfCalendar::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    for (int index = 0; index < 9; ++index)
        DDX_Control(dx, kGroupIds[index], m_groups[index]);
    DDX_Control(dx, IDC_CAL_FONT, m_comboFont);
    DDX_Control(dx, IDC_MC_SIZE, m_comboSize);
    DDX_Control(dx, IDC_MC_DAY_FONT, m_comboDayFont);
    DDX_Control(dx, IDC_MC_DAY_SIZE, m_comboDaySize);
    DDX_Control(dx, IDC_MC_WEEK_HEADER, m_weekHeader);
    DDX_Control(dx, IDC_MC_DAY_SAMPLE, m_daySample);
    for (int row = 0; row < kMonthRows; ++row) {
        DDX_Control(dx, kMonthRowWeekendIds[row], m_weekendPreviews[row]);
        DDX_Control(dx, kMonthRowWeekdayIds[row], m_weekdayPreviews[row]);
        DDX_Control(dx, kMonthRowWeekendSignPictureIds[row], m_weekendSignPictures[row]);
        DDX_Control(dx, kMonthRowWeekdaySignPictureIds[row], m_weekdaySignPictures[row]);
    }
    DDX_Control(dx, IDC_MC_WEEKEND_BACK, m_colourWeekendBack);
    DDX_Control(dx, IDC_MC_WEEKEND_FONT, m_colourWeekendFont);
    DDX_Control(dx, IDC_MC_WEEKDAY_BACK, m_colourWeekdayBack);
    DDX_Control(dx, IDC_MC_WEEKDAY_FONT, m_colourWeekdayFont);
    DDX_Control(dx, IDC_MC_TOP_COLOUR, m_colourTop);
    DDX_Control(dx, IDC_MC_GRID_COLOUR, m_colourGrid);
    DDX_Control(dx, IDC_MC_WEEKEND_SIGN, m_buttonWeekendSign);
    DDX_Control(dx, IDC_MC_WEEKDAY_SIGN, m_buttonWeekdaySign);
    DDX_Control(dx, IDC_MC_TOP_LINES, m_listTopLines);
    DDX_Control(dx, IDC_MC_GRID_LINES, m_listGridLines);
}

BOOL CForm_MonthOfCalendar::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    for (int index = 0; index < kBoldGroups; ++index)
        m_groups[index].SetBold(TRUE, TRUE);
    m_groups[kRowGroup].SetTextColor(kRowGroupColour);
    for (int index = kRowGroup + 1; index < 9; ++index)
        m_groups[index].SetTextColor(kEditorGroupColour);
    Check(IDC_MC_ALIGN_LEFT, true);
    m_weekHeader.SetWindowText(kWeekNames);
    InitColorButtons();
    InitFontControls();
    InitRowPreviews();
    ApplyRowFont();
    for (int row = 0; row < kMonthRows; ++row)
        Check(kMonthRowAddIds[row], row < kMonthRows - 1);
    Check(kMonthRowRadioIds[0], true);
    SetItemSpecialBitmap(&m_buttonWeekendSign, kStartSign);
    FillLineTypeList(m_listTopLines, m_topLineImages, "线条风格");
    FillLineTypeList(m_listGridLines, m_gridLineImages, "线条风格");
    LoadSettings();
    OnSelectRow(1);
    Check(IDC_MC_APPLY, g_monthCalendar.bAddMonthOfCalendar != 0);
    return TRUE;
}

void CForm_MonthOfCalendar::InitColorButtons()
{
    for (CColorButton* button : {&m_colourWeekendBack, &m_colourWeekendFont, &m_colourWeekdayBack, &m_colourWeekdayFont,
                                 &m_colourTop, &m_colourGrid}) {
        const bool white = button == &m_colourWeekendBack || button == &m_colourWeekdayBack;
        button->SetColor(white ? kWhite : RGB(0, 0, 0));
        button->SetTrackSelection(TRUE);
        button->SetCustomText("更多...");
        button->SetDefaultText("默认");
    }
}

void CForm_MonthOfCalendar::InitFontControls()
{
    CClientDC dc(this);
    for (CComboBox* fonts : {&m_comboFont, &m_comboDayFont}) {
        FillFontNameCombo(fonts, &dc);
        fonts->SetCurSel(0);
        SelectComboStringKept(fonts, "Tahoma");
    }
    for (CComboBox* sizes : {&m_comboSize, &m_comboDaySize})
        CForm_SetWord::FillFontSizeCombo(sizes, kFirstFontSize, kLastFontSize, kStartSizeIndex);
    OnUseYearCalendarFormat();
    m_daySample.SetBackground(CDocxBuilder::ColorTextToColorRef(g_calendarStyle.back_color_day15.str()));
    m_daySample.m_textColour = CDocxBuilder::ColorTextToColorRef(g_calendarStyle.day1To5_font_color.str());
}

void CForm_MonthOfCalendar::LoadSettings()
{
    g_monthCalendarEdit = g_monthCalendar;
    const MonthCalendarSettings& m = g_monthCalendarEdit;
    SelectComboStringKept(&m_comboDayFont, m.FontName_Day);
    SelectComboStringKept(&m_comboDaySize, m.FontSize_Day);
    Check(IDC_MC_DAY_BOLD, m.FontBold_Day != 0);
    Check(IDC_MC_DAY_ITALIC, m.FontItalic_Day != 0);
    Check(IDC_MC_DAY_UNDERLINE, m.FontUnderlined_Day != 0);
    m_strGridLineType = m.LineType_Grid;
    m_comboFont.SetCurSel(0);
    SelectComboStringKept(&m_comboFont, m.FontName);
    SelectComboStringKept(&m_comboSize, m.FontSize);
    ApplyRowFont();
    Check(IDC_MC_LOWER_ROWS, m.bLineSnapToGrid != 0);
    Check(IDC_MC_UPPER, m.bWeekNameUpper != 0);
    m_colourGrid.SetColor(HexToColor(m.LineColor_Grid));
    for (int row = 0; row < kMonthRows; ++row) {
        CFontLabel& weekend = m_weekendPreviews[row];
        CFontLabel& weekday = m_weekdayPreviews[row];
        weekend.m_textColour = HexToColor(m.line06_FontColor_[row]);
        weekday.m_textColour = HexToColor(m.line15_FontColor_[row]);
        weekend.SetBackground(HexToColor(m.line06_BKColor_[row]));
        weekday.SetBackground(HexToColor(m.line15_BKColor_[row]));
        weekend.m_bBold = m.line06_FontBold_[row] != 0;
        weekday.m_bBold = m.line15_FontBold_[row] != 0;
        weekend.m_bItalic = m.line06_FontItalic_[row] != 0;
        weekday.m_bItalic = m.line15_FontItalic_[row] != 0;
        weekend.m_bStrikeOut = m.line06_Strikethrough_[row] != 0;
        weekday.m_bStrikeOut = m.line15_Strikethrough_[row] != 0;
        Check(kMonthRowAddIds[row], m.bAddLine[row] != 0);
        Check(kMonthRow21DaysIds[row], m.b21Days[row] != 0);
        RowState& state = m_rows[row];
        state.rest = m.b21DaysRest[row];
        state.restDays.Format("%d", m.i21DaysNotWorkDays[row]);
        state.weekend = {m.bAddSpecialSign_06[row], m.iSpecialSign_06[row], m.SpecialSignColor_06[row]};
        state.weekday = {m.bAddSpecialSign_15[row], m.iSpecialSign_15[row], m.SpecialSignColor_15[row]};
        state.topLine = m.LineTop[row];
        state.topColour = m.LineColor_Top[row];
    }
    for (int index = 0; index < 3; ++index)
        Check(kAlignIds[index], index == m.FontAlign_Day);
    ApplyDaySample();
    SelectLineType(m_listGridLines, m_strGridLineType);
    ShowAllSignPictures();
    for (int row = 0; row < kMonthRows; ++row)
        OnAddRowCheck(static_cast<UINT>(kMonthRowAddIds[row]));
    OnUpperCase();
}

void CForm_MonthOfCalendar::SaveSettings()
{
    MonthCalendarSettings& m = g_monthCalendarEdit;
    m.FontName = m_comboFont.GetWindowText();
    m.FontSize = m_comboSize.GetWindowText();
    m.FontName_Day = m_comboDayFont.GetWindowText();
    m.FontSize_Day = m_comboDaySize.GetWindowText();
    m.bLineSnapToGrid = Flag(Checked(IDC_MC_LOWER_ROWS));
    m.FontBold_Day = Flag(Checked(IDC_MC_DAY_BOLD));
    m.FontItalic_Day = Flag(Checked(IDC_MC_DAY_ITALIC));
    m.FontUnderlined_Day = Flag(Checked(IDC_MC_DAY_UNDERLINE));
    for (int row = 0; row < kMonthRows; ++row) {
        const RowState& state = m_rows[row];
        const CFontLabel& weekend = m_weekendPreviews[row];
        const CFontLabel& weekday = m_weekdayPreviews[row];
        m.LineTop[row] = state.topLine;
        m.LineColor_Top[row] = state.topColour;
        // A row's bottom border is the next row's top border; the last row has none.
        const bool last = row == kMonthRows - 1;
        m.LineBottom[row] = last ? CString() : m_rows[row + 1].topLine;
        m.LineColor_Bottom[row] = last ? CString() : m_rows[row + 1].topColour;
        m.bAddLine[row] = Flag(Checked(kMonthRowAddIds[row]));
        m.line06_BKColor_[row] = ColorToHex(weekend.m_bkColour);
        m.line15_BKColor_[row] = ColorToHex(weekday.m_bkColour);
        m.SpecialSignColor_15[row] = state.weekday.colour;
        m.SpecialSignColor_06[row] = state.weekend.colour;
        m.line06_FontColor_[row] = ColorToHex(weekend.m_textColour);
        m.line15_FontColor_[row] = ColorToHex(weekday.m_textColour);
        m.line06_FontBold_[row] = Flag(weekend.m_bBold);
        m.line06_FontItalic_[row] = Flag(weekend.m_bItalic);
        m.line06_Strikethrough_[row] = Flag(weekend.m_bStrikeOut);
        m.line15_FontBold_[row] = Flag(weekday.m_bBold);
        m.line15_FontItalic_[row] = Flag(weekday.m_bItalic);
        m.line15_Strikethrough_[row] = Flag(weekday.m_bStrikeOut);
        m.b21Days[row] = Flag(Checked(kMonthRow21DaysIds[row]));
        m.b21DaysRest[row] = state.rest;
        // Text that is no count is what the edit would have made of it on leaving: one day.
        if (!ParseRestDays(state.restDays, &m.i21DaysNotWorkDays[row]))
            m.i21DaysNotWorkDays[row] = 1;
        m.bAddSpecialSign_06[row] = state.weekend.on;
        m.iSpecialSign_06[row] = state.weekend.number;
        m.bAddSpecialSign_15[row] = state.weekday.on;
        m.iSpecialSign_15[row] = state.weekday.number;
    }
    m.LineType_Grid = m_strGridLineType;
    m.LineColor_Grid = ColorToHex(m_colourGrid.GetColor());
    for (int index = 0; index < 3; ++index)
        if (Checked(kAlignIds[index]))
            m.FontAlign_Day = index;
    m.bAddMonthOfCalendar = Flag(Checked(IDC_MC_APPLY));
}

// The rest-day count reaches its row when its edit loses the focus, which Enter does not take:
// the count typed last is taken here as leaving the edit would.
void CForm_MonthOfCalendar::OnOK()
{
    OnRestDaysKillFocus();
    SaveSettings();
    EndDialog(IDOK);
}

bool CForm_MonthOfCalendar::ParseRestDays(const CString& text, int* days)
{
    constexpr int kLongestRest = 366;
    constexpr size_t kMostDigits = 3;
    if (!IsNumericString(text) || text.str().size() > kMostDigits || ParseInt(text) > kLongestRest)
        return false;
    *days = ParseInt(text);
    return true;
}

CString CForm_MonthOfCalendar::ColorToHex(COLORREF colour)
{
    return ::ColorToHex(colour);
}

void CForm_MonthOfCalendar::OnDefaultFontName()
{
    m_comboFont.SetCurSel(0);
    SelectComboStringKept(&m_comboFont, kDefaultFace);
    ApplyRowFont();
}

void CForm_MonthOfCalendar::OnDefaultFontSize()
{
    m_comboSize.ResetContent();
    CForm_SetWord::FillFontSizeCombo(&m_comboSize, kFirstFontSize, kLastFontSize, kStartSizeIndex);
    ApplyRowFont();
}

void CForm_MonthOfCalendar::OnUpperCase()
{
    const bool upper = Checked(IDC_MC_UPPER);
    m_weekHeader.SetWindowText(upper ? CString(CDocxBuilder::ToUpperCopy(kWeekNames).c_str()) : CString(kWeekNames));
    g_monthCalendarEdit.bWeekNameUpper = Flag(upper);
    ApplyWeekHeaderStyle();
}

// The weekday header in the yearly calendar's weekday row style.
void CForm_MonthOfCalendar::ApplyWeekHeaderStyle()
{
    const CalendarStyle& s = g_calendarStyle;
    m_weekHeader.SetLabelFont(s.font_name, kHeaderHeight, CDocxBuilder::ColorTextToColorRef(s.week_font_color.str()),
                              FST_ANTIALIAS);
    m_weekHeader.SetBackground(CDocxBuilder::ColorTextToColorRef(s.week_bk_color.str()));
    m_weekHeader.m_bBold = s.bWeekBold != 0;
    m_weekHeader.m_bItalic = s.bWeekItalic != 0;
    m_weekHeader.m_bStrikeOut = s.bWeekStrike != 0;
    m_weekHeader.Invalidate();
}

// The controls take the yearly calendar's day look; what they then show is what OK stores.
void CForm_MonthOfCalendar::OnUseYearCalendarFormat()
{
    const CalendarStyle& s = g_calendarStyle;
    SelectComboStringKept(&m_comboDayFont, s.font_name);
    SelectComboStringKept(&m_comboDaySize, "10.5");
    Check(IDC_MC_DAY_BOLD, s.bDay15Bold != 0);
    Check(IDC_MC_DAY_ITALIC, s.bDay15Italic != 0);
    m_daySample.m_strFace = m_comboDayFont.GetWindowText();
    m_daySample.m_fontSize = kYearCalendarDayHeight;
    Align(m_daySample, s.Month_Align);
    m_daySample.m_bUnderline = true;
    m_daySample.m_bBold = s.bDay15Bold != 0;
    m_daySample.m_bItalic = s.bDay15Italic != 0;
    m_daySample.m_bAntialias = true;
    m_daySample.Invalidate();
}

void CForm_MonthOfCalendar::ApplyDaySample()
{
    m_daySample.m_strFace = m_comboDayFont.GetWindowText();
    m_daySample.m_fontSize = 2 * ParseInt(m_comboDaySize.GetWindowText());
    m_daySample.m_bBold = Checked(IDC_MC_DAY_BOLD);
    m_daySample.m_bItalic = Checked(IDC_MC_DAY_ITALIC);
    m_daySample.m_bUnderline = Checked(IDC_MC_DAY_UNDERLINE);
    for (int index = 0; index < 3; ++index)
        if (Checked(kAlignIds[index]))
            Align(m_daySample, index);
    m_daySample.Invalidate();
}

void CForm_MonthOfCalendar::OnDayFontNameChange() { ApplyDaySample(); }
void CForm_MonthOfCalendar::OnDayFontSizeChange() { ApplyDaySample(); }
void CForm_MonthOfCalendar::OnDayBold() { ApplyDaySample(); }
void CForm_MonthOfCalendar::OnDayItalic() { ApplyDaySample(); }
void CForm_MonthOfCalendar::OnDayUnderline() { ApplyDaySample(); }
void CForm_MonthOfCalendar::OnDayAlignLeft() { ApplyDaySample(); }
void CForm_MonthOfCalendar::OnDayAlignCentre() { ApplyDaySample(); }
void CForm_MonthOfCalendar::OnDayAlignRight() { ApplyDaySample(); }

void CForm_MonthOfCalendar::OnGridLineListClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (const auto choice = ChosenLineType(m_listGridLines, header))
        m_strGridLineType = choice->name;
}

void CForm_MonthOfCalendar::OnViewExample()
{
    CForm_ViewSampleMonthlyCalendar sample(this);
    sample.DoModal();
}

void CForm_MonthOfCalendar::OnShowWindow(BOOL, UINT)
{
    Default();
    m_listTopLines.SetFocus();
}

void CForm_MonthOfCalendar::OnDestroy()
{
    Default();
    m_topLineImages.DeleteImageList();
    m_gridLineImages.DeleteImageList();
}
