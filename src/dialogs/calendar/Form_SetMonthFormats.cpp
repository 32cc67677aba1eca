// The month-title format, the day captions and their style in dialog 131.
#include "dialogs/calendar/Form_SetMonth.h"

#include "controls/ColourButton/ColourMessages.h"
#include "resources/DateDialogIds.h"
#include "settings/DateTextBounds.h"
#include "settings/DateTimeOper.h"
#include "settings/DialogHelpers.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <string>

namespace {

struct MonthRadio {
    int id;
    const char* format;
};
constexpr std::array<MonthRadio, 4> kMonthRadios{{
    {IDC_SM_MONTH_Y_M, "%Y-%m"},
    {IDC_SM_MONTH_ABBR, "%b %Y"},
    {IDC_SM_MONTH_M_Y, "%m-%Y"},
    {IDC_SM_MONTH_FULL, "%B %Y"},
}};
constexpr const char* kCustomMonthStart = "%Y年%m月";
constexpr const char* kPreviewFallback = "%B %Y";
constexpr int kPreviewHeight = 18;

constexpr std::array<int, 9> kStyleControls{IDC_SM_TEXT_BOLD,          IDC_SM_TEXT_ITALIC,
                                            IDC_SM_TEXT_COLOUR,        IDC_SM_REST_NUMBER_BOLD,
                                            IDC_SM_REST_NUMBER_ITALIC, IDC_SM_REST_NUMBER_COLOUR,
                                            IDC_SM_DAY_NUMBER_BOLD,    IDC_SM_DAY_NUMBER_ITALIC,
                                            IDC_SM_DAY_NUMBER_COLOUR};
// The caption texts the five text previews show, in preview order.
constexpr std::array<int, 5> kPreviewSources{IDC_SM_REST_BEFORE, IDC_SM_REST_AFTER, IDC_SM_NUMBER_BEFORE,
                                             IDC_SM_NUMBER_AFTER, IDC_SM_WEEKEND_TEXT};
constexpr size_t kRestNumberPreview = 5;
constexpr size_t kDayNumberPreview = 6;

// A "%" that begins no conversion would reach the formatter as it stands; it is written as a
// literal "%" instead.
CString EscapeStrayPercent(const CString& pattern)
{
    static const char* const kConversions = "aAbBcCdDeFgGhHIjmMnprRStTuUVwWxXyYzZ%";
    const std::string& text = pattern.str();
    std::string escaped;
    for (size_t at = 0; at < text.size(); ++at) {
        escaped += text[at];
        if (text[at] != '%')
            continue;
        if (at + 1 < text.size() && std::strchr(kConversions, text[at + 1]))
            escaped += text[++at];
        else
            escaped += '%';
    }
    return CString(escaped);
}

CString Trimmed(CString text)
{
    return text.Trim();
}

COLORREF StoredColour(COLORREF colour)
{
    return HexToColor(ColorToHex(colour));
}

} // namespace

void CForm_SetMonth::ShowMonthFormatCaptions()
{
    const CDateTimeOper dates;
    for (const MonthRadio& radio : kMonthRadios)
        GetDlgItem(radio.id)->SetWindowText(dates.FormatNow(radio.format));
}

void CForm_SetMonth::ShowMonthFormat(const CString& format)
{
    for (const MonthRadio& radio : kMonthRadios)
        SetChecked(radio.id, format == radio.format);
    CWnd* custom = GetDlgItem(IDC_SM_CUSTOM_FORMAT);
    custom->SetWindowText(kCustomMonthStart);
    const bool own = std::none_of(kMonthRadios.begin(), kMonthRadios.end(),
                                  [&](const MonthRadio& radio) { return format == radio.format; });
    SetChecked(IDC_SM_MONTH_CUSTOM, own);
    custom->EnableWindow(own);
    if (own)
        custom->SetWindowText(format.IsEmpty() ? CString("%Y/%m") : format);
}

CString CForm_SetMonth::GetMonthFormat() const
{
    for (const MonthRadio& radio : kMonthRadios)
        if (IsChecked(radio.id))
            return radio.format;
    return EscapeStrayPercent(Trimmed(ItemText(IDC_SM_CUSTOM_FORMAT)));
}

void CForm_SetMonth::ReportEmptyCustomFormat()
{
    GetDlgItem(IDC_SM_CUSTOM_FORMAT)->SetFocus();
    MessageBox("is empty", "", MB_OK);
}

CString CForm_SetMonth::TooLongFormat(CWnd** chosenIn)
{
    using namespace datebounds;
    CString told;
    if (const LongestText title = Longest(GetMonthFormat(), m_nYear); title.bytes > kShownMonthTitle) {
        told.Format("%d月的月份标题太长：最多 %zu 字节，即 %zu 个汉字", title.month, kShownMonthTitle,
                    ChineseCharacters(kShownMonthTitle));
        *chosenIn = GetDlgItem(IDC_SM_CUSTOM_FORMAT);
    } else if (const LongestText date = Longest(m_strDayFormat, m_nYear); date.bytes > kShownDate) {
        told.Format("%d月%d日的日期太长：最多 %zu 字节，即 %zu 个汉字", date.month, date.day, kShownDate,
                    ChineseCharacters(kShownDate));
        *chosenIn = &m_listFormats;
    }
    return told;
}

bool CForm_SetMonth::CheckFormatLengths()
{
    CWnd* chosenIn = nullptr;
    const CString told = TooLongFormat(&chosenIn);
    if (told.IsEmpty())
        return true;
    chosenIn->SetFocus();
    ShowStatus(told, kErrorColour);
    m_bToldTooLong = true;
    return false;
}

void CForm_SetMonth::FollowFormatLengths()
{
    if (!m_bToldTooLong)
        return;
    CWnd* chosenIn = nullptr;
    const CString told = TooLongFormat(&chosenIn);
    ShowStatus(told, kErrorColour);
    m_bToldTooLong = !told.IsEmpty();
}

void CForm_SetMonth::ShowMonthPreview()
{
    CString format = GetMonthFormat();
    if (format.IsEmpty()) {
        ReportEmptyCustomFormat();
        format = kPreviewFallback;
    }
    CString preview = CDateTimeOper().FormatNow(format);
    if (IsChecked(IDC_SM_MONTH_UPPER))
        preview.MakeUpper();
    GetDlgItem(IDC_SM_MONTH_PREVIEW)->SetWindowText(preview);
}

void CForm_SetMonth::OnFixedMonthFormat()
{
    GetDlgItem(IDC_SM_CUSTOM_FORMAT)->EnableWindow(FALSE);
    ShowMonthPreview();
    FollowFormatLengths();
}

void CForm_SetMonth::OnCustomMonthFormat()
{
    GetDlgItem(IDC_SM_CUSTOM_FORMAT)->EnableWindow(TRUE);
    OnPreviewCustomFormat();
    FollowFormatLengths();
}

void CForm_SetMonth::OnPreviewCustomFormat()
{
    const CString format = EscapeStrayPercent(Trimmed(ItemText(IDC_SM_CUSTOM_FORMAT)));
    if (!format.IsEmpty())
        GetDlgItem(IDC_SM_CUSTOM_PREVIEW)->SetWindowText(CDateTimeOper().FormatNow(format));
}

void CForm_SetMonth::FollowCaptionCheck(int check, std::initializer_list<std::pair<int, const char*>> edits)
{
    const bool on = IsChecked(check);
    for (const auto& [id, defaultText] : edits) {
        CWnd* edit = GetDlgItem(id);
        edit->EnableWindow(on);
        if (on && edit->GetWindowTextLength() == 0)
            edit->SetWindowText(defaultText);
    }
    OnCaptionStyleCheck();
}

void CForm_SetMonth::OnRestDayCheck()
{
    m_labelMarks[0].ShowWindow(SW_HIDE);
    m_labelMarks[1].ShowWindow(SW_HIDE);
    FollowCaptionCheck(IDC_SM_REST_DAY, {{IDC_SM_REST_BEFORE, " [ 还剩"}, {IDC_SM_REST_AFTER, " 天 ]"}});
}

void CForm_SetMonth::OnDayNumberCheck()
{
    m_labelMarks[2].ShowWindow(SW_HIDE);
    m_labelMarks[3].ShowWindow(SW_HIDE);
    FollowCaptionCheck(IDC_SM_DAY_NUMBER, {{IDC_SM_NUMBER_BEFORE, " [ 第 "}, {IDC_SM_NUMBER_AFTER, " 天 ]"}});
}

void CForm_SetMonth::OnWeekEndCheck()
{
    FollowCaptionCheck(IDC_SM_WEEKEND, {{IDC_SM_WEEKEND_TEXT, " [ 周末 ]"}});
}

void CForm_SetMonth::LoadCaptions()
{
    GetDlgItem(IDC_SM_QUARTER_TEXT)->SetWindowText(g_strQuarterText);
    struct Pair {
        int check;
        int before;
        int after;
        const CString& textBefore;
        const CString& textAfter;
    };
    const CString none;
    for (const Pair& pair : {Pair{IDC_SM_REST_DAY, IDC_SM_REST_BEFORE, IDC_SM_REST_AFTER, g_strRestDay, g_strRestDayBack},
                             Pair{IDC_SM_DAY_NUMBER, IDC_SM_NUMBER_BEFORE, IDC_SM_NUMBER_AFTER, g_strHadBeenDays,
                                  g_strHadBeenDaysBack},
                             Pair{IDC_SM_WEEKEND, IDC_SM_WEEKEND_TEXT, 0, g_strWeekEnd, none}}) {
        const bool on = !pair.textBefore.IsEmpty() || !pair.textAfter.IsEmpty();
        SetChecked(pair.check, on);
        GetDlgItem(pair.before)->SetWindowText(pair.textBefore);
        GetDlgItem(pair.before)->EnableWindow(on);
        if (pair.after != 0) {
            GetDlgItem(pair.after)->SetWindowText(pair.textAfter);
            GetDlgItem(pair.after)->EnableWindow(on);
        }
    }
    SetChecked(IDC_SM_WEEKLY_NUMBER, g_nWeeklyNumber == 1);
    ShowMonthFormat(g_strMonthFormat);
}

void CForm_SetMonth::DefaultCaptions()
{
    GetDlgItem(IDC_SM_QUARTER_TEXT)->SetWindowText("季度:");
    for (const int check : {IDC_SM_REST_DAY, IDC_SM_WEEKEND, IDC_SM_WEEKLY_NUMBER, IDC_SM_DAY_NUMBER})
        SetChecked(check, true);
    for (const int edit : kPreviewSources)
        GetDlgItem(edit)->SetWindowText("");
    OnRestDayCheck();
    OnWeekEndCheck();
    OnDayNumberCheck();
    ShowMonthFormat("%B %Y");
    m_strDayFormat = kDefaultDayFormat;
    ShowSelectedFormat();
}

void CForm_SetMonth::LoadCaptionStyle()
{
    const DayCaptionSettings& style = g_dayCaptions;
    SetChecked(IDC_SM_OWN_STYLE, style.DEFERENCE != 0);
    SetChecked(IDC_SM_TEXT_BOLD, style.REST_BOLD != 0);
    SetChecked(IDC_SM_TEXT_ITALIC, style.REST_ITALIC != 0);
    SetChecked(IDC_SM_REST_NUMBER_BOLD, style.REST_NUMBER_BOLD != 0);
    SetChecked(IDC_SM_REST_NUMBER_ITALIC, style.REST_NUMBER_ITALIC != 0);
    SetChecked(IDC_SM_DAY_NUMBER_BOLD, style.THEDAY_NUMBER_BOLD != 0);
    SetChecked(IDC_SM_DAY_NUMBER_ITALIC, style.THEDAY_NUMBER_ITALIC != 0);
    m_buttonTextColour.SetColor(HexToColor(style.REST_COLOR));
    m_buttonRestNumberColour.SetColor(HexToColor(style.REST_NUMBER_COLOR));
    m_buttonDayNumberColour.SetColor(HexToColor(style.THEDAY_NUMBER_COLOR));
    // Until the main window has run this dialog once, the heading's own face stands in.
    const CString face = !g_strDaysFontNameCopy.IsEmpty() ? g_strDaysFontNameCopy
                         : !g_strDaysFontName.IsEmpty()   ? g_strDaysFontName
                                                          : CString("Tahoma");
    for (CFontLabel& preview : m_labelPreviews) {
        preview.SetLabelFont(face, kPreviewHeight, RGB(0, 0, 0), FST_ANTIALIAS);
        preview.SetBackground(RGB(255, 255, 255));
    }
    OnCaptionStyleCheck();
}

void CForm_SetMonth::StyleCaptionPreviews()
{
    struct Look {
        const CColorButton& colour;
        int bold;
        int italic;
    };
    const Look text{m_buttonTextColour, IDC_SM_TEXT_BOLD, IDC_SM_TEXT_ITALIC};
    const Look restNumber{m_buttonRestNumberColour, IDC_SM_REST_NUMBER_BOLD, IDC_SM_REST_NUMBER_ITALIC};
    const Look dayNumber{m_buttonDayNumberColour, IDC_SM_DAY_NUMBER_BOLD, IDC_SM_DAY_NUMBER_ITALIC};
    for (size_t index = 0; index < m_labelPreviews.size(); ++index) {
        const Look& look = index == kRestNumberPreview ? restNumber : index == kDayNumberPreview ? dayNumber : text;
        CFontLabel& preview = m_labelPreviews[index];
        preview.m_textColour = StoredColour(look.colour.GetColor());
        preview.m_bBold = IsChecked(look.bold);
        preview.m_bItalic = IsChecked(look.italic);
        preview.RedrawWindow();
    }
}

void CForm_SetMonth::RefreshCaptionPreviews()
{
    for (size_t index = 0; index < kPreviewSources.size(); ++index)
        m_labelPreviews[index].SetWindowText(ItemText(kPreviewSources[index]));
    StyleCaptionPreviews();
}

void CForm_SetMonth::EnableCaptionStyle(bool on)
{
    for (const int id : kStyleControls)
        GetDlgItem(id)->EnableWindow(on);
    for (CFontLabel& preview : m_labelPreviews)
        preview.ShowWindow(on ? SW_SHOW : SW_HIDE);
}

void CForm_SetMonth::OnCaptionStyleCheck()
{
    RefreshCaptionPreviews();
    const bool anyCaption = IsChecked(IDC_SM_REST_DAY) || IsChecked(IDC_SM_WEEKEND) || IsChecked(IDC_SM_DAY_NUMBER);
    EnableCaptionStyle(anyCaption && IsChecked(IDC_SM_OWN_STYLE));
}

LRESULT CForm_SetMonth::OnColourPicked(WPARAM, LPARAM)
{
    StyleCaptionPreviews();
    return 1;
}

void CForm_SetMonth::ShowCaptionMarks()
{
    const std::array<std::pair<int, int>, 4> marks{{{IDC_SM_REST_DAY, IDC_SM_REST_BEFORE},
                                                    {IDC_SM_REST_DAY, IDC_SM_REST_AFTER},
                                                    {IDC_SM_DAY_NUMBER, IDC_SM_NUMBER_BEFORE},
                                                    {IDC_SM_DAY_NUMBER, IDC_SM_NUMBER_AFTER}}};
    for (size_t index = 0; index < marks.size(); ++index) {
        const bool empty = Trimmed(ItemText(marks[index].second)).IsEmpty();
        m_labelMarks[index].ShowWindow(IsChecked(marks[index].first) && empty ? SW_SHOW : SW_HIDE);
    }
}

// A caption with one half blank keeps the dialog open on that half; nothing is stored.
bool CForm_SetMonth::CheckCaptionPairs()
{
    ShowCaptionMarks();
    for (const auto& [check, before, after] : {std::tuple{IDC_SM_REST_DAY, IDC_SM_REST_BEFORE, IDC_SM_REST_AFTER},
                                               std::tuple{IDC_SM_DAY_NUMBER, IDC_SM_NUMBER_BEFORE, IDC_SM_NUMBER_AFTER}}) {
        if (!IsChecked(check))
            continue;
        const bool beforeEmpty = Trimmed(ItemText(before)).IsEmpty();
        const bool afterEmpty = Trimmed(ItemText(after)).IsEmpty();
        if (beforeEmpty == afterEmpty)
            continue;
        CWnd* empty = GetDlgItem(beforeEmpty ? before : after);
        empty->SetWindowText("");
        empty->SetFocus();
        return false;
    }
    return true;
}

void CForm_SetMonth::StoreCaptions()
{
    // As typed: a save writes them so that they read back so.
    const auto caption = [this](int check, int edit) {
        return IsChecked(check) && !Trimmed(ItemText(edit)).IsEmpty() ? ItemText(edit) : CString();
    };
    g_bCalendarFormat2Bit = IsChecked(IDC_SM_TWO_DIGITS) ? 1 : 0;
    g_strRestDay = caption(IDC_SM_REST_DAY, IDC_SM_REST_BEFORE);
    g_strRestDayBack = caption(IDC_SM_REST_DAY, IDC_SM_REST_AFTER);
    g_bShowRestDay = IsChecked(IDC_SM_REST_DAY) ? 1 : 0;
    g_strHadBeenDays = caption(IDC_SM_DAY_NUMBER, IDC_SM_NUMBER_BEFORE);
    g_strHadBeenDaysBack = caption(IDC_SM_DAY_NUMBER, IDC_SM_NUMBER_AFTER);
    g_bShowHadBeenDays = IsChecked(IDC_SM_DAY_NUMBER) ? 1 : 0;
    g_strWeekEnd = caption(IDC_SM_WEEKEND, IDC_SM_WEEKEND_TEXT);
    g_nWeeklyNumber = IsChecked(IDC_SM_WEEKLY_NUMBER) ? 1 : 0;
    g_strQuarterText = ItemText(IDC_SM_QUARTER_TEXT);
}

void CForm_SetMonth::StoreCaptionStyle()
{
    DayCaptionSettings& style = g_dayCaptions;
    style.DEFERENCE = IsChecked(IDC_SM_OWN_STYLE) ? 1 : 0;
    style.REST_BOLD = IsChecked(IDC_SM_TEXT_BOLD) ? 1 : 0;
    style.REST_ITALIC = IsChecked(IDC_SM_TEXT_ITALIC) ? 1 : 0;
    style.REST_NUMBER_BOLD = IsChecked(IDC_SM_REST_NUMBER_BOLD) ? 1 : 0;
    style.REST_NUMBER_ITALIC = IsChecked(IDC_SM_REST_NUMBER_ITALIC) ? 1 : 0;
    style.THEDAY_NUMBER_BOLD = IsChecked(IDC_SM_DAY_NUMBER_BOLD) ? 1 : 0;
    style.THEDAY_NUMBER_ITALIC = IsChecked(IDC_SM_DAY_NUMBER_ITALIC) ? 1 : 0;
    style.REST_COLOR = ColorToHex(m_buttonTextColour.GetColor());
    style.REST_NUMBER_COLOR = ColorToHex(m_buttonRestNumberColour.GetColor());
    style.THEDAY_NUMBER_COLOR = ColorToHex(m_buttonDayNumberColour.GetColor());
    style.RestDay = g_strRestDay;
    style.RestDay_Back = g_strRestDayBack;
    style.HadBeenDays = g_strHadBeenDays;
    style.HadBeenDays_Back = g_strHadBeenDaysBack;
    style.WeekEnd = g_strWeekEnd;
    if (!IsChecked(IDC_SM_REST_DAY) && !IsChecked(IDC_SM_WEEKEND) && !IsChecked(IDC_SM_DAY_NUMBER))
        style.DEFERENCE = 0;
}

// Runs after the checks of closing, so the custom month format is not empty here.
void CForm_SetMonth::StoreFormats()
{
    g_strMonthFormat = GetMonthFormat();
    g_strDayFormat = m_strDayFormat.IsEmpty() ? CString("%A,%B %d,%Y") : m_strDayFormat;
    g_bMonthUpper = IsChecked(IDC_SM_MONTH_UPPER) ? 1 : 0;
}
