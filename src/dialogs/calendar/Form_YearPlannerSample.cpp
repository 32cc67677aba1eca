// The sample of dialog 282: a column of weekday letters beside two months, the first from its
// 1st on a Monday, the second (every second month has its own background) from a Thursday.
#include "dialogs/calendar/Form_YearPlanner.h"

#include "dialogs/LineTypeList.h"
#include "resources/CalendarDialogIds.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"

namespace {

constexpr int kSampleRows = 7;   // the month titles, then six days
constexpr int kFirstMonthDays = 6;
constexpr int kSaturday = 5;
constexpr int kSecondMonthEmpty = 3;

} // namespace

void CForm_YearPlanner::RefreshPreview()
{
    const CRect frame = ClientRectOf(IDC_YP_FRAME);
    const int inset = ClientRectOf(kYearPlannerWeekIds[0]).left - frame.left;
    const int columns[] = {frame.left, ClientRectOf(kYearPlannerWeekIds[0]).right + inset,
                           ClientRectOf(kYearPlannerDayIds[0]).right + inset, frame.right};
    const int row = frame.Height() / kSampleRows;
    const auto cell = [&](int column, int line) {
        return CRect(columns[column], frame.top + line * row, columns[column + 1], frame.top + (line + 1) * row);
    };
    m_sample = TableOutline{};
    m_sample.fills.push_back({cell(0, 0), Colour(IDC_YP_EMPTY_BACK).GetColor()});
    for (int month = 0; month < 2; ++month)
        m_sample.fills.push_back({cell(1 + month, 0), Colour(IDC_YP_MONTH_BACK).GetColor()});
    for (int day = 0; day < kFirstMonthDays; ++day) {
        m_sample.fills.push_back({cell(0, day + 1), Colour(IDC_YP_WEEK_BACK).GetColor()});
        m_sample.fills.push_back(
            {cell(1, day + 1), Colour(day == kSaturday ? IDC_YP_DAY06_BACK : IDC_YP_DAY15_BACK).GetColor()});
        m_sample.fills.push_back(
            {cell(2, day + 1),
             Colour(day < kSecondMonthEmpty ? IDC_YP_EMPTY_BACK : IDC_YP_DOUBLE_MONTH_BACK).GetColor()});
    }
    m_sample.lineColour = Colour(IDC_YP_LINE_COLOUR).GetColor();
    m_sample.penStyle = LineTypeToIndex(m_listLineTypes.GetItemText(m_nLineTypeRow, kLineNameColumn));
    for (int line = 0; line <= kSampleRows; ++line)
        m_sample.lines.push_back({{frame.left, frame.top + line * row}, {frame.right, frame.top + line * row}, true});
    for (int x : columns)
        m_sample.lines.push_back({{x, frame.top}, {x, frame.top + kSampleRows * row}, true});
    CRect area = frame;
    area.InflateRect(1, 1);
    InvalidateRect(&area, TRUE);
    ApplyPreviewColours();
}

void CForm_YearPlanner::ApplyPreviewColours()
{
    const CString face = m_comboFont.GetWindowText();
    const int height = 2 * ParseInt(m_comboSize.GetWindowText());
    const auto look = [&](CFontLabel& label, int back, int text) {
        label.SetLabelFont(face, height, Colour(text).GetColor(), FST_ANTIALIAS);
        label.SetBackground(Colour(back).GetColor());
        label.Invalidate();
    };
    for (CFontLabel& month : m_months)
        look(month, IDC_YP_MONTH_BACK, IDC_YP_MONTH_FONT);
    for (CFontLabel& weekday : m_weekdays)
        look(weekday, IDC_YP_WEEK_BACK, IDC_YP_WEEK_FONT);
    for (int day = 0; day < kFirstMonthDays; ++day) {
        const bool saturday = day == kSaturday;
        look(m_days[day], saturday ? IDC_YP_DAY06_BACK : IDC_YP_DAY15_BACK,
             saturday ? IDC_YP_DAY06_FONT : IDC_YP_DAY15_FONT);
        // The second month begins on a Thursday: Thursday to Saturday hold its first days.
        const bool empty = day < kSecondMonthEmpty;
        look(m_days[kFirstMonthDays + day], empty ? IDC_YP_EMPTY_BACK : IDC_YP_DOUBLE_MONTH_BACK,
             saturday ? IDC_YP_DAY06_FONT : IDC_YP_DAY15_FONT);
    }
}

void CForm_YearPlanner::OnPaint()
{
    CPaintDC dc(this);
    PaintTableOutline(dc, m_sample);
}
