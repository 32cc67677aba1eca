// The preview of dialog 266: one month of a yearly calendar in the chosen look. The 1st falls
// on a Tuesday; the 1st to the 4th lie outside the diary's dates.
#include "dialogs/calendar/Form_CalendarSettings.h"

#include "dialogs/LineTypeList.h"
#include "docx/DocxBuilder.h"
#include "resources/CalendarDialogIds.h"
#include "settings/DateTimeOper.h"
#include "settings/DialogHelpers.h"
#include "settings/Settings.h"

namespace {

constexpr int kLabelHeight = 21;
constexpr int kDayPoints = 13;
constexpr int kWeekRows = 6;
constexpr int kFirstWeekRow = 2;       // under the month title and the weekday row
constexpr int kLastOutsideDay = 4;
constexpr int kWhiteMargin = 10;
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The day shown in a cell of the six week rows, 0 for an empty cell.
int DayOfCell(int week, int weekday)
{
    const int day = week * 7 + weekday - 1;
    return day >= 1 && day <= 31 ? day : 0;
}

bool IsWeekend(int weekday)
{
    return weekday == 0 || weekday == 6;
}

// The style group of a day: 2 Sunday and Saturday, 3 Monday to Friday, 4 outside the dates.
int GroupOfDay(int day, int weekday)
{
    if (IsWeekend(weekday))
        return 2;
    return day <= kLastOutsideDay ? 4 : 3;
}

} // namespace

void CForm_CalendarSettings::PreparePreviewLabels()
{
    m_monthTitle.SetLabelFont("Times New Roman", kLabelHeight, RGB(0, 0, 205), FST_ANTIALIAS);
    // A range that was never set has no first month: the title shows January's name.
    const int month = g_nMonthStart >= 1 && g_nMonthStart <= 12 ? g_nMonthStart : 1;
    CString title = CDateTimeOper().FormatMonth(g_strMonthFormatCopy, month - 1);
    if (g_bMonthUpperCopy == 1)
        title = CDocxBuilder::ToUpperCopy(title.str()).c_str();
    m_monthTitle.SetWindowText(title);
    m_weekRow.SetLabelFont("Times New Roman", kLabelHeight, kBlack, 0);
    m_weekRow.SetWindowText("");
    for (CFontLabel* label : {&m_letters[0], &m_letters[1], &m_letters[2], &m_letters[3], &m_letters[4],
                              &m_letters[5], &m_letters[6], &m_samples[0], &m_samples[1], &m_samples[2]}) {
        label->SetLabelFont("Times New Roman", kLabelHeight, kBlack, FST_ANTIALIAS | FST_CENTRE);
        label->SetBackground(kWhite);
    }
}

void CForm_CalendarSettings::ApplyColour(int id)
{
    const COLORREF colour = Colour(id).GetColor();
    const auto sample = [&](int index, bool text) {
        CFontLabel& label = m_samples[index];
        if (text)
            label.m_textColour = colour;
        else
            label.SetBackground(colour);
    };
    switch (id) {
    case IDC_YC_MONTH_BACK: m_monthTitle.SetBackground(colour); break;
    case IDC_YC_MONTH_FONT: m_monthTitle.m_textColour = colour; break;
    case IDC_YC_WEEK_BACK:
        m_weekRow.SetBackground(colour);
        for (CFontLabel& letter : m_letters)
            letter.SetBackground(colour);
        break;
    case IDC_YC_WEEK_FONT:
        for (CFontLabel& letter : m_letters)
            letter.m_textColour = colour;
        break;
    case IDC_YC_DAY06_FONT: sample(0, true); break;
    case IDC_YC_DAY06_BACK: sample(0, false); break;
    case IDC_YC_DAY15_FONT: sample(1, true); break;
    case IDC_YC_DAY15_BACK: sample(1, false); break;
    case IDC_YC_NOLINK_FONT: sample(2, true); break;
    case IDC_YC_NODIARY_BACK: sample(2, false); break;
    default: break;
    }
    // The linked days are underlined in the document.
    if (id == IDC_YC_DAY06_FONT || id == IDC_YC_DAY06_BACK)
        m_samples[0].m_bUnderline = true;
    if (id == IDC_YC_DAY15_FONT || id == IDC_YC_DAY15_BACK)
        m_samples[1].m_bUnderline = true;
    RedrawPreview();
}

void CForm_CalendarSettings::ApplyAllStyles()
{
    const auto style = [this](CFontLabel& label, int group) {
        label.m_bBold = Checked(kYearCalendarStyleIds[3 * group]);
        label.m_bItalic = Checked(kYearCalendarStyleIds[3 * group + 1]);
        label.m_bStrikeOut = Checked(kYearCalendarStyleIds[3 * group + 2]);
    };
    style(m_monthTitle, 0);
    for (CFontLabel& letter : m_letters)
        style(letter, 1);
    for (int index = 0; index < 3; ++index)
        style(m_samples[index], 2 + index);
    RedrawPreview();
}

void CForm_CalendarSettings::RedrawPreview()
{
    BuildGrid();
    CRect area = ClientRectOf(IDC_YC_FRAME);
    area.InflateRect(kWhiteMargin, kWhiteMargin);
    InvalidateRect(&area, TRUE);
    for (CFontLabel* label : {&m_monthTitle, &m_weekRow})
        label->Invalidate();
    for (CFontLabel& label : m_letters)
        label.Invalidate();
    for (CFontLabel& label : m_samples)
        label.Invalidate();
}

void CForm_CalendarSettings::BuildGrid()
{
    const CRect frame = ClientRectOf(IDC_YC_FRAME);
    const int cell = frame.Width() / 7;
    const int row = ClientRectOf(IDC_YC_CELL).Height();
    const int bottom = frame.top + (kFirstWeekRow + kWeekRows) * row;
    m_grid = TableOutline{};
    CRect ground = frame;
    ground.InflateRect(kWhiteMargin, kWhiteMargin);
    m_grid.fills.push_back({ground, kWhite});
    for (int week = 0; week < kWeekRows; ++week) {
        for (int weekday = 0; weekday < 7; ++weekday) {
            const int day = DayOfCell(week, weekday);
            const int colourId = day == 0                                   ? IDC_YC_EMPTY_BACK
                                 : IsWeekend(weekday)                       ? IDC_YC_DAY06_BACK
                                 : GroupOfDay(day, weekday) == 4            ? IDC_YC_NODIARY_BACK
                                                                            : IDC_YC_DAY15_BACK;
            const int left = frame.left + weekday * cell;
            const int top = frame.top + (kFirstWeekRow + week) * row;
            m_grid.fills.push_back({CRect(left, top, weekday == 6 ? frame.right : left + cell, top + row),
                                    Colour(colourId).GetColor()});
        }
    }
    m_grid.lineColour = Colour(IDC_YC_LINE_COLOUR).GetColor();
    m_grid.penStyle = PreviewPenStyle(m_strLinePen);
    m_grid.lines = {{{frame.left, frame.top}, {frame.right, frame.top}, true},
                    {{frame.left, frame.top}, {frame.left, bottom}, true},
                    {{frame.right, frame.top}, {frame.right, bottom}, true}};
    for (int line = 1; line <= kFirstWeekRow + kWeekRows; ++line)
        m_grid.lines.push_back({{frame.left, frame.top + line * row}, {frame.right, frame.top + line * row}, true});
    for (int weekday = 1; weekday < 7; ++weekday) {
        const int x = frame.left + weekday * cell;
        m_grid.lines.push_back({{x, frame.top + row}, {x, bottom}, true});
    }
}

void CForm_CalendarSettings::DrawDayNumbers(CDC& dc)
{
    const CRect frame = ClientRectOf(IDC_YC_FRAME);
    const int cell = frame.Width() / 7;
    const int row = ClientRectOf(IDC_YC_CELL).Height();
    const int textColourIds[] = {0, 0, IDC_YC_DAY06_FONT, IDC_YC_DAY15_FONT, IDC_YC_NOLINK_FONT};
    const CString face = m_comboFont.GetWindowText();
    dc.SetBkMode(TRANSPARENT);
    for (int week = 0; week < kWeekRows; ++week) {
        for (int weekday = 0; weekday < 7; ++weekday) {
            const int day = DayOfCell(week, weekday);
            if (day == 0)
                continue;
            const int group = GroupOfDay(day, weekday);
            CFont font;
            font.CreateFont(-MulDiv(kDayPoints, dc.GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0,
                            Checked(kYearCalendarStyleIds[3 * group]) ? FW_BOLD : FW_NORMAL,
                            Checked(kYearCalendarStyleIds[3 * group + 1]), 0,
                            Checked(kYearCalendarStyleIds[3 * group + 2]), DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                            CLIP_CHARACTER_PRECIS, ANTIALIASED_QUALITY, 0, face);
            CFont* previous = dc.SelectObject(&font);
            dc.SetTextColor(Colour(textColourIds[group]).GetColor());
            CString number;
            number.Format("%02d", day);
            const int left = frame.left + weekday * cell;
            const int top = frame.top + (kFirstWeekRow + week) * row;
            CRect place(left, top, left + cell, top + row);
            dc.DrawText(number, &place, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            dc.SelectObject(previous);
        }
    }
}

void CForm_CalendarSettings::OnPaint()
{
    CPaintDC dc(this);
    PaintTableOutline(dc, m_grid);
    DrawDayNumbers(dc);
}
