// The date range of dialog 131: the four date lists, 明天 and 年底, the end from a day count,
// the weekday filter and the day count it gives.
#include "dialogs/calendar/Form_SetMonth.h"

#include "platform/Clock.h"
#include "resources/DateDialogIds.h"
#include "settings/CivilDate.h"
#include "settings/DateTimeOper.h"
#include "settings/Settings.h"
#include "settings/ui/ComboHelpers.h"
#include "settings/ui/PublicOper.h"

#include <algorithm>

namespace {

constexpr std::array<int, 7> kWeekdayBoxes{IDC_SM_SUNDAY,   IDC_SM_MONDAY, IDC_SM_TUESDAY,  IDC_SM_WEDNESDAY,
                                           IDC_SM_THURSDAY, IDC_SM_FRIDAY, IDC_SM_SATURDAY};
constexpr COLORREF kStatusColour = 0x7832CD;
constexpr const char* kRangeError = "start months must be < end months!";
constexpr int kMaxDayCount = 365;


} // namespace

void CForm_SetMonth::FillDateCombos()
{
    const CPublicOper fill;
    fill.FillComboRange(&m_comboStartMonth, 1, 12);
    fill.FillComboRange(&m_comboEndMonth, 1, 12);
    m_comboEndMonth.SetCurSel(11);
    FillStartDayCombo(1);
    FillEndDayCombo(12);
}

void CForm_SetMonth::FillStartDayCombo(int month)
{
    CPublicOper().FillComboRange(&m_comboStartDay, 1, civil::DaysInMonth(m_nYear, month));
}

void CForm_SetMonth::FillEndDayCombo(int month)
{
    CPublicOper().FillComboRange(&m_comboEndDay, 1, civil::DaysInMonth(m_nYear, month));
    m_comboEndDay.SetCurSel(m_comboEndDay.GetCount() - 1);
}

// The day lists hold the days of the stored months, so a stored day past its month's end
// shows as that month's last day.
void CForm_SetMonth::LoadDates()
{
    const int monthStart = std::clamp(g_nMonthStart, 1, 12);
    const int monthEnd = std::clamp(g_nMonthEnd, 1, 12);
    m_comboStartMonth.SetCurSel(monthStart - 1);
    m_comboEndMonth.SetCurSel(monthEnd - 1);
    FillStartDayCombo(monthStart);
    FillEndDayCombo(monthEnd);
    m_comboStartDay.SetCurSel(std::clamp(g_nDayStart, 1, m_comboStartDay.GetCount()) - 1);
    m_comboEndDay.SetCurSel(std::clamp(g_nDayEnd, 1, m_comboEndDay.GetCount()) - 1);
    ReadCombos();
    const int span = CDateTimeOper().GetDaysBetween(m_nYear, m_nYear, m_nMonthStart, m_nMonthEnd, m_nDayStart,
                                                    m_nDayEnd);
    ShowCount(span);
    if (span <= 0)
        ShowStatus(kRangeError, kErrorColour);
    else
        ShowStartEndDates();
    LoadCaptions();
}

void CForm_SetMonth::ReadCombos()
{
    m_nMonthStart = ComboNumber(m_comboStartMonth);
    m_nMonthEnd = ComboNumber(m_comboEndMonth);
    m_nDayStart = ComboNumber(m_comboStartDay);
    m_nDayEnd = ComboNumber(m_comboEndDay);
}

void CForm_SetMonth::ShowStatus(const char* text, COLORREF colour)
{
    m_bToldTooLong = false;
    m_labelStatus.m_textColour = colour;
    m_labelStatus.SetWindowText(text);
    m_labelStatus.RedrawWindow();
}

void CForm_SetMonth::ShowCount(int count)
{
    m_nCountedDays = count;
    CString text;
    text.Format("%d 天", count);
    m_labelCount.SetWindowText(text);
    m_labelCount.RedrawWindow();
}

void CForm_SetMonth::CheckMonthRange()
{
    ReadCombos();
    if (m_nMonthStart > m_nMonthEnd)
        ShowStatus(kRangeError, kErrorColour);
    else
        ShowStatus("", m_labelStatus.m_textColour);
}

void CForm_SetMonth::RecountDays()
{
    ReadCombos();
    ShowCount(CDateTimeOper().GetDaysBetweenEx(m_nYear, m_nYear, m_nMonthStart, m_nMonthEnd, m_nDayStart, m_nDayEnd,
                                               m_abWeekdays.data()));
    if (m_nCountedDays <= 0) {
        ShowStatus(kRangeError, kErrorColour);
        return;
    }
    ShowStatus("", m_labelStatus.m_textColour);
    ShowStartEndDates();
}

void CForm_SetMonth::ShowStartEndDates()
{
    const CDateTimeOper dates;
    m_labelStart.SetWindowText(dates.FormatMonthDay(m_strDayFormat, m_nMonthStart, m_nDayStart));
    m_labelEnd.SetWindowText(dates.FormatMonthDay(m_strDayFormat, m_nMonthEnd, m_nDayEnd));
    m_labelStart.RedrawWindow();
    m_labelEnd.RedrawWindow();
}

void CForm_SetMonth::OnStartMonthChange()
{
    FillStartDayCombo(ComboNumber(m_comboStartMonth));
    CheckMonthRange();
    RecountDays();
}

void CForm_SetMonth::OnEndMonthChange()
{
    FillEndDayCombo(ComboNumber(m_comboEndMonth));
    CheckMonthRange();
    RecountDays();
}

void CForm_SetMonth::OnTomorrow()
{
    const std::tm now = platform::LocalTime(platform::Now());
    const MonthDay start = TomorrowInYear(m_nYear, {now.tm_mon + 1, now.tm_mday});
    m_comboStartMonth.SetCurSel(start.month - 1);
    FillStartDayCombo(start.month);
    m_comboStartDay.SetCurSel(start.day - 1);
    CheckMonthRange();
    RecountDays();
}

// Only the lists change here; the setting follows when the dialog is closed and stores.
void CForm_SetMonth::OnYearEnd()
{
    m_comboEndMonth.SetCurSel(11);
    FillEndDayCombo(12);
    CheckMonthRange();
    RecountDays();
}

void CForm_SetMonth::OnCountDays()
{
    CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_SM_DAY_COUNT));
    const std::optional<int> count = ParseDayCount(edit->GetWindowText().str());
    if (!count) {
        edit->SetWindowText("");
        edit->SetFocus();
        return;
    }
    ComputeEndDateFromDays(*count);
}

void CForm_SetMonth::ComputeEndDateFromDays(int count)
{
    if (count < 1 || count > kMaxDayCount) {
        ShowStatus("Days Count must be > 0 and <366.", kErrorColour);
        return;
    }
    ShowStatus("", kStatusColour);
    ReadCombos();
    const CountedEnd end = EndFromDayCount(m_nYear, {m_nMonthStart, m_nDayStart}, count, m_abWeekdays.data());
    SelectComboNumber(m_comboEndMonth, end.end.month);
    FillEndDayCombo(end.end.month);
    m_comboEndDay.SetCurSel(end.end.day - 1);
    RecountDays();
    CString text;
    text.Format("%d", end.counted);
    GetDlgItem(IDC_SM_DAY_COUNT)->SetWindowText(text);
}

void CForm_SetMonth::OnWeekdayDefault()
{
    for (const int box : kWeekdayBoxes)
        SetChecked(box, true);
    ReadWeekdayChecks();
}

void CForm_SetMonth::ShowUncheckedWeekChecks()
{
    for (size_t weekday = 0; weekday < kWeekdayBoxes.size(); ++weekday)
        SetChecked(kWeekdayBoxes[weekday], g_abUncheckedWeek[weekday] == 1);
}

void CForm_SetMonth::ReadWeekdayChecks()
{
    for (size_t weekday = 0; weekday < kWeekdayBoxes.size(); ++weekday)
        m_abWeekdays[weekday] = IsChecked(kWeekdayBoxes[weekday]) ? 1 : 0;
    RecountDays();
}
