// The five writing rows of dialog 274 and the editors of the current row. Each editor writes
// its row as soon as it changes, so selecting another row loses nothing; the rows reach the
// working copy on OK.
#include "dialogs/calendar/Form_MonthOfCalendar.h"

#include "dialogs/LineTypeList.h"
#include "dialogs/diary/Form_SpecialSign.h"
#include "app/CurrentClass.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"
#include "settings/ui/DialogPictures.h"

namespace {

constexpr const char* kPreviewText = "例如1";
constexpr DWORD kPreviewStyle = FST_ANTIALIAS;

} // namespace

void CForm_MonthOfCalendar::OnRowRadio(UINT id)
{
    OnSelectRow(static_cast<int>(id) - kMonthRowRadioIds[0] + 1);
}

void CForm_MonthOfCalendar::OnSelectRow(int row)
{
    m_nCurrentRow = row;
    const RowState& state = CurrentRow();
    CFontLabel& weekend = m_weekendPreviews[row - 1];
    CFontLabel& weekday = m_weekdayPreviews[row - 1];
    m_colourWeekendBack.SetColor(weekend.m_bkColour);
    m_colourWeekdayBack.SetColor(weekday.m_bkColour);
    m_colourWeekendFont.SetColor(weekend.m_textColour);
    m_colourWeekdayFont.SetColor(weekday.m_textColour);
    Check(IDC_MC_WEEKEND_BOLD, weekend.m_bBold);
    Check(IDC_MC_WEEKEND_ITALIC, weekend.m_bItalic);
    Check(IDC_MC_WEEKEND_STRIKE, weekend.m_bStrikeOut);
    Check(IDC_MC_WEEKDAY_BOLD, weekday.m_bBold);
    Check(IDC_MC_WEEKDAY_ITALIC, weekday.m_bItalic);
    Check(IDC_MC_WEEKDAY_STRIKE, weekday.m_bStrikeOut);
    CString caption;
    caption.Format("%s%d%s", "当前行: ", row, "  ");
    m_groups[4].SetWindowText(caption, TRUE);
    Check(IDC_MC_21_DAYS, Checked(kMonthRow21DaysIds[row - 1]));
    Check(IDC_MC_REST, state.rest != 0);
    GetDlgItem(IDC_MC_REST_DAYS)->SetWindowText(state.restDays);
    // The sign buttons always show the row's own signs.
    Check(IDC_MC_WEEKEND_SIGN_CHECK, state.weekend.on != 0);
    SetItemSpecialBitmap(&m_buttonWeekendSign, state.weekend.number);
    Enable(IDC_MC_WEEKEND_SIGN, state.weekend.on != 0);
    Check(IDC_MC_WEEKDAY_SIGN_CHECK, state.weekday.on != 0);
    SetItemSpecialBitmap(&m_buttonWeekdaySign, state.weekday.number);
    Enable(IDC_MC_WEEKDAY_SIGN, state.weekday.on != 0);
    EnableRestControls(Checked(IDC_MC_21_DAYS));
    // A word no item has leaves the list unticked; the row keeps the word until an item is clicked.
    if (!state.topLine.IsEmpty())
        SelectLineType(m_listTopLines, state.topLine);
    if (!state.topColour.IsEmpty())
        m_colourTop.SetColor(HexToColor(state.topColour));
    m_listTopLines.SetFocus();
}

void CForm_MonthOfCalendar::StoreRowExtras()
{
    RowState& state = CurrentRow();
    Check(kMonthRow21DaysIds[m_nCurrentRow - 1], Checked(IDC_MC_21_DAYS));
    state.rest = Checked(IDC_MC_REST) ? 1 : 0;
    state.restDays = GetDlgItem(IDC_MC_REST_DAYS)->GetWindowText();
    state.weekend.on = Checked(IDC_MC_WEEKEND_SIGN_CHECK) ? 1 : 0;
    state.weekday.on = Checked(IDC_MC_WEEKDAY_SIGN_CHECK) ? 1 : 0;
    ShowSignPicture(m_weekendSignPictures[m_nCurrentRow - 1], state.weekend);
    ShowSignPicture(m_weekdaySignPictures[m_nCurrentRow - 1], state.weekday);
}

// At most one row carries the counter: ticking it here takes it from every other row.
void CForm_MonthOfCalendar::On21DayCounter()
{
    for (int id : kMonthRow21DaysIds)
        Check(id, false);
    StoreRowExtras();
    EnableRestControls(Checked(IDC_MC_21_DAYS));
}

void CForm_MonthOfCalendar::OnApplyRestDays()
{
    int days = 0;
    if (ParseRestDays(GetDlgItem(IDC_MC_REST_DAYS)->GetWindowText(), &days)) {
        StoreRowExtras();
        return;
    }
    GetDlgItem(IDC_MC_REST_DAYS)->SetWindowText("");
    GetDlgItem(IDC_MC_REST_DAYS)->SetFocus();
}

void CForm_MonthOfCalendar::OnRestDaysKillFocus()
{
    int days = 0;
    if (!ParseRestDays(GetDlgItem(IDC_MC_REST_DAYS)->GetWindowText(), &days))
        GetDlgItem(IDC_MC_REST_DAYS)->SetWindowText("1");
    StoreRowExtras();
}

void CForm_MonthOfCalendar::EnableRestControls(BOOL on)
{
    for (int id : {IDC_MC_REST, IDC_MC_REST_DAYS, IDC_MC_REST_APPLY})
        Enable(id, on != FALSE);
}

void CForm_MonthOfCalendar::OnRestDays()
{
    StoreRowExtras();
}

void CForm_MonthOfCalendar::OnWeekendSignCheck()
{
    Enable(IDC_MC_WEEKEND_SIGN, Checked(IDC_MC_WEEKEND_SIGN_CHECK));
    StoreRowExtras();
}

void CForm_MonthOfCalendar::OnWeekdaySignCheck()
{
    Enable(IDC_MC_WEEKDAY_SIGN, Checked(IDC_MC_WEEKDAY_SIGN_CHECK));
    StoreRowExtras();
}

void CForm_MonthOfCalendar::OnWeekendSignButton()
{
    if (PickSign(GetWeekendSignColor(m_nCurrentRow), CurrentRow().weekend, m_buttonWeekendSign))
        StoreWeekendSignColor();
    StoreRowExtras();
}

void CForm_MonthOfCalendar::OnWeekdaySignButton()
{
    if (PickSign(GetWeekdaySignColor(m_nCurrentRow), CurrentRow().weekday, m_buttonWeekdaySign))
        StoreWeekdaySignColor();
    StoreRowExtras();
}

// The picker opens on the row's own sign and colour; Cancel keeps both.
bool CForm_MonthOfCalendar::PickSign(const CString& colour, RowSign& sign, CButton& button)
{
    g_strSpecialSignColor = colour;
    g_nSpecialSign = sign.number;
    CForm_SpecialSign picker(this);
    if (picker.DoModal() != IDOK)
        return false;
    sign.number = g_nSpecialSign;
    SetItemSpecialBitmap(&button, sign.number);
    return true;
}

CString CForm_MonthOfCalendar::GetWeekendSignColor(int row) const
{
    return m_rows[row - 1].weekend.colour;
}

CString CForm_MonthOfCalendar::GetWeekdaySignColor(int row) const
{
    return m_rows[row - 1].weekday.colour;
}

void CForm_MonthOfCalendar::StoreWeekendSignColor()
{
    CurrentRow().weekend.colour = g_strSpecialSignColor;
}

void CForm_MonthOfCalendar::StoreWeekdaySignColor()
{
    CurrentRow().weekday.colour = g_strSpecialSignColor;
}

LRESULT CForm_MonthOfCalendar::OnColourPicked(WPARAM, LPARAM id)
{
    switch (id) {
    case IDC_MC_WEEKEND_BACK: SetWeekendRowBackground(m_nCurrentRow); break;
    case IDC_MC_WEEKDAY_BACK: SetWeekdayRowBackground(m_nCurrentRow); break;
    case IDC_MC_WEEKEND_FONT: SetWeekendRowTextColor(m_nCurrentRow); break;
    case IDC_MC_WEEKDAY_FONT: SetWeekdayRowTextColor(m_nCurrentRow); break;
    case IDC_MC_TOP_COLOUR: StoreRowTopLineColor(m_nCurrentRow); break;
    default: break;
    }
    return 1;
}

void CForm_MonthOfCalendar::SetWeekendRowBackground(int row)
{
    m_weekendPreviews[row - 1].SetBackground(m_colourWeekendBack.GetColor());
    RedrawWeekendPreviews();
}

void CForm_MonthOfCalendar::SetWeekdayRowBackground(int row)
{
    m_weekdayPreviews[row - 1].SetBackground(m_colourWeekdayBack.GetColor());
    RedrawWeekdayPreviews();
}

void CForm_MonthOfCalendar::SetWeekendRowTextColor(int row)
{
    m_weekendPreviews[row - 1].m_textColour = m_colourWeekendFont.GetColor();
    RedrawWeekendPreviews();
}

void CForm_MonthOfCalendar::SetWeekdayRowTextColor(int row)
{
    m_weekdayPreviews[row - 1].m_textColour = m_colourWeekdayFont.GetColor();
    RedrawWeekdayPreviews();
}

void CForm_MonthOfCalendar::StoreRowTopLineColor(int row)
{
    m_rows[row - 1].topColour = ColorToHex(m_colourTop.GetColor());
}

void CForm_MonthOfCalendar::RedrawWeekendPreviews()
{
    RedrawPreviews(m_weekendPreviews);
}

void CForm_MonthOfCalendar::RedrawWeekdayPreviews()
{
    RedrawPreviews(m_weekdayPreviews);
}

void CForm_MonthOfCalendar::RedrawPreviews(CFontLabel (&previews)[kMonthRows])
{
    for (CFontLabel& preview : previews)
        preview.Invalidate();
}

void CForm_MonthOfCalendar::ApplyRowFontStyle()
{
    CFontLabel& weekend = m_weekendPreviews[m_nCurrentRow - 1];
    CFontLabel& weekday = m_weekdayPreviews[m_nCurrentRow - 1];
    weekend.m_bBold = Checked(IDC_MC_WEEKEND_BOLD);
    weekend.m_bItalic = Checked(IDC_MC_WEEKEND_ITALIC);
    weekend.m_bStrikeOut = Checked(IDC_MC_WEEKEND_STRIKE);
    weekday.m_bBold = Checked(IDC_MC_WEEKDAY_BOLD);
    weekday.m_bItalic = Checked(IDC_MC_WEEKDAY_ITALIC);
    weekday.m_bStrikeOut = Checked(IDC_MC_WEEKDAY_STRIKE);
    RedrawWeekendPreviews();
    RedrawWeekdayPreviews();
}

void CForm_MonthOfCalendar::OnSameWeekendColours()
{
    for (CFontLabel& preview : m_weekendPreviews) {
        preview.SetBackground(m_colourWeekendBack.GetColor());
        preview.m_textColour = m_colourWeekendFont.GetColor();
    }
    RedrawWeekendPreviews();
}

void CForm_MonthOfCalendar::OnSameWeekdayColours()
{
    for (CFontLabel& preview : m_weekdayPreviews) {
        preview.SetBackground(m_colourWeekdayBack.GetColor());
        preview.m_textColour = m_colourWeekdayFont.GetColor();
    }
    RedrawWeekdayPreviews();
}

void CForm_MonthOfCalendar::OnAddRowCheck(UINT id)
{
    for (int row = 0; row < kMonthRows; ++row) {
        if (static_cast<UINT>(kMonthRowAddIds[row]) != id)
            continue;
        const int show = Checked(kMonthRowAddIds[row]) ? SW_SHOW : SW_HIDE;
        m_weekendPreviews[row].ShowWindow(show);
        m_weekdayPreviews[row].ShowWindow(show);
    }
}

void CForm_MonthOfCalendar::InitRowPreviews()
{
    const CString face = m_comboFont.GetWindowText();
    const CString size = m_comboSize.GetWindowText();
    for (int row = 0; row < kMonthRows; ++row) {
        for (CFontLabel* preview : {&m_weekendPreviews[row], &m_weekdayPreviews[row]}) {
            preview->SetWindowText(kPreviewText);
            preview->SetBackground(kWhite);
            SetLabelFont(*preview, face, size);
        }
    }
    ApplyWeekHeaderStyle();
    for (int id : {IDC_MC_WEEKEND_FONT, IDC_MC_WEEKEND_BACK, IDC_MC_WEEKDAY_FONT, IDC_MC_WEEKDAY_BACK})
        OnColourPicked(0, id);
}

void CForm_MonthOfCalendar::SetLabelFont(CFontLabel& label, const CString& face, const CString& size)
{
    label.SetLabelFont(face, 2 * ParseInt(size), RGB(0, 0, 0), kPreviewStyle);
    label.Invalidate();
}

void CForm_MonthOfCalendar::ApplyRowFont()
{
    const CString face = m_comboFont.GetWindowText();
    const int height = 2 * ParseInt(m_comboSize.GetWindowText());
    for (int row = 0; row < kMonthRows; ++row) {
        for (CFontLabel* preview : {&m_weekendPreviews[row], &m_weekdayPreviews[row]}) {
            preview->m_strFace = face;
            preview->m_fontSize = height;
            preview->SetFontStyle(kPreviewStyle);
            preview->Invalidate();
        }
    }
}

void CForm_MonthOfCalendar::OnTopLineListClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (const auto choice = ChosenLineType(m_listTopLines, header))
        StoreRowTopLine(choice->name);
}

void CForm_MonthOfCalendar::StoreRowTopLine(const CString& word)
{
    CurrentRow().topLine = word;
}

void CForm_MonthOfCalendar::OnSameTopLineColour()
{
    const CString colour = ColorToHex(m_colourTop.GetColor());
    for (RowState& state : m_rows)
        state.topColour = colour;
}

void CForm_MonthOfCalendar::ShowSignPicture(CStatic& picture, const RowSign& sign)
{
    picture.ShowWindow(sign.on != 0 ? SW_SHOW : SW_HIDE);
    if (sign.on != 0)
        SetItemSpecialButtonBitmapEx(&picture, sign.number);
}

void CForm_MonthOfCalendar::ShowAllSignPictures()
{
    for (int row = 0; row < kMonthRows; ++row) {
        ShowSignPicture(m_weekdaySignPictures[row], m_rows[row].weekday);
        ShowSignPicture(m_weekendSignPictures[row], m_rows[row].weekend);
    }
}
