#include "dialogs/diary/Fomr_AddDateFormat.h"

#include "dialogs/calendar/Form_SetMonth.h"
#include "resources/DateDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/IniFile.h"

#include <array>
#include <string>
#include <vector>

CString g_strNewDateFormat;

namespace {

constexpr int kSampleHeight = 23;
constexpr std::array<const char*, 4> kSamples{"aaaa mmm,d,yyyy", "aaa d,mmmm,yyyy", "yyyy-m-d aaaa", "yy-mm-dd aaa"};

struct Token {
    const char* text;
    const char* code;
};

// Per group, the tokens tried in order; only the first one found is replaced.
const std::array<std::vector<Token>, 4> kGroups{{
    {{"yyyy", "%Y"}, {"yy", "%y"}},
    {{"mmmm", "%B"}, {"mmm", "%b"}, {"mm", "%m"}, {"m", "%m"}},
    {{"dd", "%d"}, {"d", "%d"}},
    {{"aaaa", "%A"}, {"aaa", "%a"}},
}};

// The text as pieces: the user's own text, and the codes already written, which later groups
// never search.
struct Piece {
    std::string text;
    bool code = false;
};

bool Contains(const std::vector<Piece>& pieces, const std::string& token)
{
    for (const Piece& piece : pieces)
        if (!piece.code && piece.text.find(token) != std::string::npos)
            return true;
    return false;
}

std::vector<Piece> Replace(const std::vector<Piece>& pieces, const Token& token)
{
    const std::string needle = token.text;
    std::vector<Piece> result;
    for (const Piece& piece : pieces) {
        if (piece.code) {
            result.push_back(piece);
            continue;
        }
        size_t from = 0;
        for (size_t at = piece.text.find(needle); at != std::string::npos; at = piece.text.find(needle, from)) {
            result.push_back({piece.text.substr(from, at - from), false});
            result.push_back({token.code, true});
            from = at + needle.size();
        }
        result.push_back({piece.text.substr(from), false});
    }
    return result;
}

} // namespace

RV_MESSAGE_MAP(CFomr_AddDateFormat, CDialog,
               msgmap::Command(IDC_ADF_SAMPLES, &T::OnSelchangeSampleList, LBN_SELCHANGE),
               msgmap::Command(IDC_ADF_PATTERN, &T::OnChangeFormatEdit, EN_CHANGE),
               msgmap::Command(IDC_ADF_OK, &T::OnButtonOK),
               msgmap::Command(IDC_ADF_CANCEL, &T::OnButtonCancel))

CFomr_AddDateFormat::CFomr_AddDateFormat(CWnd* parent) : CDialog(IDD_ADD_DATE_FORMAT, parent) {}

CString CFomr_AddDateFormat::ConvertDateFormat(const CString& text)
{
    std::vector<Piece> pieces{{text.str(), false}};
    bool found[4] = {};
    for (size_t group = 0; group < kGroups.size(); ++group)
        for (const Token& token : kGroups[group])
            if (Contains(pieces, token.text)) {
                pieces = Replace(pieces, token);
                found[group] = true;
                break;
            }
    if (!found[0] || !found[1] || !found[2])
        return "";
    std::string pattern;
    for (const Piece& piece : pieces) {
        if (piece.code) {
            pattern += piece.text;
            continue;
        }
        for (const char ch : piece.text)
            pattern += ch == '%' ? std::string("%%") : std::string(1, ch);
    }
    CString result(pattern);
    return result.Trim();
}

BOOL CFomr_AddDateFormat::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_listSamples.SubclassDlgItem(IDC_ADF_SAMPLES, this);
    m_editPattern.SubclassDlgItem(IDC_ADF_PATTERN, this);
    // Its pattern, at most twice as long ("d" is "%d"), is a value of the format file.
    m_editPattern.SetLimitText(CIniFile::kMaxValueBytes / 2);
    FillSampleList();
    return TRUE;
}

void CFomr_AddDateFormat::FillSampleList()
{
    for (const char* sample : kSamples)
        m_listSamples.AddString(sample);
    m_listSamples.SetItemHeight(0, kSampleHeight);
}

void CFomr_AddDateFormat::ShowExample(const CString& text)
{
    CString trimmed = text;
    GetDlgItem(IDC_ADF_EXAMPLE)->SetWindowText(CForm_SetMonth::FormatCurrentTime(ConvertDateFormat(trimmed.Trim())));
}

void CFomr_AddDateFormat::OnSelchangeSampleList()
{
    const int index = m_listSamples.GetCurSel();
    if (index < 0)
        return;
    CString sample;
    m_listSamples.GetText(index, sample);
    m_editPattern.SetWindowText(sample.Trim());
    ShowExample(sample);
}

void CFomr_AddDateFormat::OnChangeFormatEdit()
{
    ShowExample(m_editPattern.GetWindowText());
}

void CFomr_AddDateFormat::OnButtonOK()
{
    CString text = m_editPattern.GetWindowText();
    const CString pattern = ConvertDateFormat(text.Trim());
    if (pattern.IsEmpty()) {
        MessageBox("日期格式需要年 (yyyy 或 yy)、月 (mmmm, mmm, mm 或 m) 和日 (dd 或 d)。", "增加日期格式",
                   MB_OK | MB_ICONINFORMATION);
        m_editPattern.SetFocus();
        return;
    }
    g_strNewDateFormat = pattern;
    EndDialog(IDOK);
}

void CFomr_AddDateFormat::OnButtonCancel()
{
    EndDialog(IDCANCEL);
}
