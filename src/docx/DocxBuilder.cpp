// The generator object: revision ids, the list counter, and the text and file helpers.
#include "docx/DocxBuilder.h"

#include "docx/XmlText.h"
#include "platform/CodePage.h"
#include "platform/FileWrites.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/Shell.h"
#include "platform/SystemError.h"
#include "settings/DateTimeOper.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace {

constexpr std::string_view kUnsetRsid = "00000000";

// The fixed buffer of ReplaceAllInBuffer held this many bytes of text.
constexpr size_t kBufferTextBytes = 1023;

bool IsRevisionId(std::string_view value)
{
    return value.size() == kUnsetRsid.size() &&
           std::all_of(value.begin(), value.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

// The values of the revision-id list in document order, the root id first. The first match of
// "<w:rsid" is the list's own tag; each later match ends the element whose value is read.
std::vector<std::string> RevisionIdValues(const std::string& settings)
{
    std::string joined;
    joined.reserve(settings.size());
    for (char c : settings)
        if (!std::isspace(static_cast<unsigned char>(c)))
            joined += c;
    constexpr std::string_view tag = "<w:rsid";
    std::vector<size_t> matches;
    for (size_t at = joined.find(tag); at != std::string::npos; at = joined.find(tag, at + tag.size()))
        matches.push_back(at);
    std::vector<std::string> values;
    for (size_t i = 2; i < matches.size(); ++i) {
        const size_t open = joined.find('"', matches[i - 1]);
        if (open == std::string::npos || open > matches[i])
            continue;
        const size_t close = joined.find('"', open + 1);
        const std::string_view value = std::string_view(joined).substr(open + 1, close - open - 1);
        if (close != std::string::npos && IsRevisionId(value))
            values.emplace_back(value);
    }
    return values;
}

} // namespace

bool CDocxBuilder::LoadRsids(const platform::FilePlace& settingsPath)
{
    m_rsid.fill(std::string(kUnsetRsid));
    const auto settings = settingsPath.Read();
    if (!settings) {
        std::printf("Failed to open file:%s\n", settingsPath.Path().c_str());
        return false;
    }
    // The list's values go to ids 1, 3, 2, 4, 5 in this order.
    static constexpr int kTarget[5] = {0, 2, 1, 3, 4};
    const std::vector<std::string> values = RevisionIdValues(*settings);
    for (size_t i = 0; i < values.size() && i < 5; ++i)
        m_rsid[static_cast<size_t>(kTarget[i])] = values[i];
    if (m_rsid[1] == kUnsetRsid)
        m_rsid[1] = m_rsid[0];
    if (m_rsid[3] == kUnsetRsid)
        m_rsid[3] = m_rsid[2];
    return true;
}

const std::string& CDocxBuilder::Rsid(int number) const
{
    return m_rsid.at(static_cast<size_t>(number - 1));
}

int CDocxBuilder::NextId(BYTE advance)
{
    if (advance == 1) {
        ++m_idCounter;
        m_listStyles.push_back(0);
    }
    return m_idCounter;
}

int CDocxBuilder::ItemStyleOf(const DiaryClassRecord& c)
{
    const bool styled = c.COL_ItemNumber != 1 && c.COL_bItemSpecial == 1 && c.COL_ItemSpecial >= 1 &&
                        c.COL_ItemSpecial <= kItemStyles;
    return styled ? c.COL_ItemSpecial : 0;
}

int CDocxBuilder::NextListId(const DiaryClassRecord& c)
{
    const int style = ItemStyleOf(c);
    const int id = NextId(c.COL_ItemNumber == 1 || style != 0 ? 1 : 0);
    if (style != 0)
        m_listStyles.back() = style;
    return id;
}

bool CDocxBuilder::AppendToFile(const platform::FilePlace& path, std::string_view text)
{
    return path.Append(text);
}

int CDocxBuilder::GetCurrentYear()
{
    return CDateTimeOper().GetCurrentYear();
}

std::string CDocxBuilder::ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return text;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string CDocxBuilder::ReplaceFirst(std::string text, std::string_view from, std::string_view to)
{
    const size_t at = from.empty() ? std::string::npos : text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::string CDocxBuilder::ReplaceAllInBuffer(std::string text, std::string_view from, std::string_view to)
{
    return platform::CutToEncodedBytes(ReplaceAll(std::move(text), from, to), kBufferTextBytes,
                                       platform::DiskEncoding::Gb18030);
}

std::string CDocxBuilder::EscapeXml(std::string_view text)
{
    return docx::EscapeText(text);
}

int CDocxBuilder::CreateFolder(const std::string& path)
{
    return platform::MakeFolder(path) ? 0 : 1;
}

int CDocxBuilder::CheckFile(const std::string& path)
{
    return !path.empty() && platform::PathExists(path) ? 0 : -1;
}

int CDocxBuilder::CheckFileExists(const std::string& path)
{
    return CheckFile(path);
}

int CDocxBuilder::DeleteFileIfExists(const platform::FilePlace& path)
{
    return path.Remove() || errno == ENOENT ? 0 : -1;
}

int CDocxBuilder::CreateEmptyFile(const std::string& path)
{
    const int error = platform::CreateEmptyFile(path);
    if (error == 0)
        return 0;
    const platform::KeptReason kept;
    std::printf("Could not open file (error %d)\n", error);
    return 1;
}

int CDocxBuilder::GetMaxRelationshipId(const platform::FilePlace& relsPath)
{
    const auto rels = relsPath.Read();
    if (!rels)
        return 1;
    int highest = 0;
    std::string_view rest = *rels;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        highest = std::max(highest, ParseRelationshipId(rest.substr(0, end)));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return highest;
}

int CDocxBuilder::ParseRelationshipId(std::string_view line)
{
    constexpr std::string_view start = "<Relationship Id=\"rId";
    int highest = 0;
    for (size_t at = line.find(start); at != std::string_view::npos; at = line.find(start, at + 1)) {
        const char* digits = line.data() + at + start.size();
        int number = 0;
        const auto [end, error] = std::from_chars(digits, line.data() + line.size(), number);
        if (error == std::errc() && end != digits)
            highest = std::max(highest, number);
    }
    return highest;
}

int CDocxBuilder::RunAndWait(const std::string& commandLine)
{
    return platform::RunAndWait(commandLine);
}

bool CDocxBuilder::WriteZipScript(const std::string& path, std::string_view arguments)
{
    // A quote in the arguments is doubled, as the script's string wants, so it cannot end the
    // command early and run the rest as script.
    const std::string script = "set Cleaner=createobject(\"wscript.shell\")\r\n"
                               "\tCleaner.run \"cmd /c config\\zip_docx.bat " +
                               ReplaceAll(std::string(arguments), "\"", "\"\"") + "\",0";
    return platform::WriteFileReplacing(path, platform::EncodeGb18030(script));
}
