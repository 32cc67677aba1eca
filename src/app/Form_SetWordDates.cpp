// The date range of the main window, its heading samples and the two outline levels.
#include "app/AppGlobals.h"
#include "app/Form_SetWord.h"
#include "dialogs/calendar/Form_SetMonth.h"
#include "platform/ui/SysColors.h"
#include "settings/DateTextBounds.h"
#include "settings/DateTimeOper.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"
#include "settings/Settings.h"
#include "settings/ui/ComboHelpers.h"

#include <algorithm>
#include <string>

namespace {

// Samples show a size of "10.5" at twice its whole points.
int SampleHeight(const CString& points)
{
    return 2 * ParseInt(points);
}

// `what` names the format and its texts; the bound is told in bytes and in Chinese characters.
std::string TooLongToShow(const char* what, size_t bound)
{
    CString told;
    told.Format("The %s longer than the %zu bytes (%zu Chinese characters) the windows show: "
                "choose a shorter one in 'Settings' for month and date .",
                what, bound, datebounds::ChineseCharacters(bound));
    return told.str();
}


} // namespace

// The dialog stores the dates itself; its result tells nothing more.
void CForm_SetWord::SetTemplateDates()
{
    CForm_SetMonth dialog(this);
    dialog.DoModal();
    ShowDayCount();
    ShowDateRange(g_strMonthFormat, g_strDayFormat, g_strWeekEnd, g_strRestDay);
    g_strDaysFontNameCopy = g_strDaysFontName;
    m_listClasses.SetFocus();
    if (g_strConfigPath.IsEmpty())
        g_strConfigPath = kNoConfigFile;
    OnButtonRefreshPreview();
}

void CForm_SetWord::EmptyLabels(std::initializer_list<CFontLabel*> labels)
{
    for (CFontLabel* label : labels) {
        label->SetWindowText("");
        label->RedrawWindow();
    }
}

void CForm_SetWord::ShowDayCount()
{
    const CDateTimeOper dates;
    const int year = dates.GetCurrentYear();
    const int count = dates.GetDaysBetweenEx(year, year, g_nMonthStart, g_nMonthEnd, g_nDayStart, g_nDayEnd,
                                             g_abUncheckedWeek);
    g_nDayCount = count;
    CString text;
    text.Format("共有:%d 天", count);
    m_labelDayCount.SetWindowText(text);
    m_labelDayCount.RedrawWindow();
}

// A range that is not set shows no dates and no samples, as a new design does, so the checks
// that look for the start date find none.
void CForm_SetWord::ShowDateRange(const CString& monthFormat, const CString& dayFormat, const CString& weekEnd,
                                  const CString& restDay)
{
    if (!IsDateRangeSet()) {
        EmptyLabels({&m_labelStart, &m_labelEnd, &m_labelMonthSample, &m_labelDateSample});
        return;
    }
    const CDateTimeOper dates;
    const CString firstDay = dates.FormatMonthDay(dayFormat, g_nMonthStart, g_nDayStart);
    m_labelStart.SetWindowText(firstDay);
    m_labelEnd.SetWindowText(dates.FormatMonthDay(dayFormat, g_nMonthEnd, g_nDayEnd));
    m_labelMonthSample.SetWindowText(dates.FormatMonth(monthFormat, g_nMonthStart - 1));
    for (CFontLabel* label : {&m_labelStart, &m_labelEnd, &m_labelMonthSample})
        label->RedrawWindow();

    CString sample = firstDay;
    if (!restDay.IsEmpty()) {
        CString daysLeft;
        daysLeft.Format("%s %d", restDay.GetString(), std::max(g_nDayCount - 1, 0));
        sample += daysLeft;
    }
    sample += g_strRestDayBack;
    if (!g_strHadBeenDays.IsEmpty())
        sample += g_strHadBeenDays + " 1 ";
    sample += g_strHadBeenDaysBack;
    sample += weekEnd;
    m_labelDateSample.SetWindowText(sample);
    m_labelDateSample.RedrawWindow();
}

const char* CForm_SetWord::NoDateReason()
{
    static const std::string tooLong = TooLongToShow("date format gives dates", datebounds::kShownDate);
    const bool fits = datebounds::Fits(g_strDayFormat, CDateTimeOper().GetCurrentYear(), datebounds::kShownDate);
    return IsDateRangeSet() && !fits ? tooLong.c_str() : kNoDateRange;
}

const char* CForm_SetWord::NoMonthTitleReason()
{
    static const std::string tooLong = TooLongToShow("month format gives titles", datebounds::kShownMonthTitle);
    const bool fits =
        datebounds::Fits(g_strMonthFormat, CDateTimeOper().GetCurrentYear(), datebounds::kShownMonthTitle);
    return IsDateRangeSet() && !fits ? tooLong.c_str() : kNoDateRange;
}

void CForm_SetWord::ApplyMonthFormatSample()
{
    CFontLabel& label = m_labelMonthSample;
    label.m_textColour = HexToColor(g_strMonthsFontColor);
    label.m_bItalic = g_bMonthsFontItalic != 0;
    label.m_bBold = g_bMonthsFontBold != 0;
    label.m_strFace = g_strMonthsFontName;
    label.m_fontSize = SampleHeight(g_strMonthsFontSize);
    label.RedrawWindow();
}

void CForm_SetWord::ApplyDateFormatSample()
{
    CFontLabel& label = m_labelDateSample;
    label.m_textColour = HexToColor(g_strDaysFontColor);
    label.SetBackground(g_bDaysBackGround == 1 && !g_strDaysBackGround.IsEmpty() ? HexToColor(g_strDaysBackGround)
                                                                                 : GetSysColor(COLOR_MENU));
    label.m_bItalic = g_bDaysFontItalic != 0;
    label.m_bBold = g_bDaysFontBold != 0;
    label.m_strFace = g_strDaysFontName;
    label.m_bUnderline = g_bDaysUnderline != 0;
    label.m_fontSize = SampleHeight(g_strDaysFontSize);
    label.RedrawWindow();
}

void CForm_SetWord::FillOutlineLevelCombos()
{
    FillNumberCombo(&m_comboMonthLevel, 2, 5);
    FillNumberCombo(&m_comboDateLevel, 3, 6);
}

OutlineLevelTexts CForm_SetWord::ReadOutlineLevels() const
{
    return {m_comboMonthLevel.GetWindowText(), m_comboDateLevel.GetWindowText()};
}

// A level the box does not hold leaves its first entry, the level a save writes for no text.
void CForm_SetWord::ShowOutlineLevels(const OutlineLevelTexts& levels)
{
    if (!SelectComboString(&m_comboMonthLevel, levels.month))
        m_comboMonthLevel.SetCurSel(0);
    if (!SelectComboString(&m_comboDateLevel, levels.day))
        m_comboDateLevel.SetCurSel(0);
}

// The date heading always stays one level or more below the month title.
void CForm_SetWord::OnSelchangeMonthOutlineLevel()
{
    const int month = ComboNumber(m_comboMonthLevel);
    int date = ComboNumber(m_comboDateLevel);
    if (date <= month)
        date = month + 1;
    SelectComboNumber(m_comboDateLevel, date);
}

void CForm_SetWord::OnSelchangeDateOutlineLevel()
{
    int month = ComboNumber(m_comboMonthLevel);
    const int date = ComboNumber(m_comboDateLevel);
    if (date <= month)
        month = date - 1;
    SelectComboNumber(m_comboMonthLevel, month);
}
