#include "platform/Profile.h"

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/ProfileMarker.h"
#include "platform/TextLines.h"

#include <map>
#include <mutex>
#include <optional>
#include <strings.h>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

namespace platform {
namespace {

struct IniDocument {
    std::vector<std::string> lines;     // UTF-8, without line ends
    DiskEncoding encoding = DiskEncoding::Gb18030;
    // The first line of each key, by section and key name folded to lower case: a load reads
    // hundreds of keys, and scanning the lines for each made it quadratic.
    std::unordered_map<std::string, size_t> keyLines;
};

// What tells us that a cached document still matches the file.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, info.st_size,
                     static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// The section named by a line such as "[Main]", if the line is a section header.
std::optional<std::string_view> SectionOf(std::string_view line)
{
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    return TrimBlanks(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The key of a line such as "Title=abc", if the line holds one.
std::optional<std::string_view> KeyOf(std::string_view line)
{
    const auto trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[')
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(line.substr(0, equals));
}

// Section and key names compare without letter case; a line end can be in neither.
std::string FoldedKey(std::string_view section, std::string_view key)
{
    std::string folded;
    folded.reserve(section.size() + 1 + key.size());
    const auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; };
    for (char ch : section)
        folded += lower(ch);
    folded += '\n';
    for (char ch : key)
        folded += lower(ch);
    return folded;
}

// A key counts in every section of its name, the first occurrence in the file winning.
void IndexKeys(IniDocument& doc)
{
    doc.keyLines.clear();
    std::optional<std::string_view> section;
    for (size_t i = 0; i < doc.lines.size(); ++i) {
        if (const auto name = SectionOf(doc.lines[i]))
            section = name;
        else if (const auto key = section ? KeyOf(doc.lines[i]) : std::nullopt)
            doc.keyLines.emplace(FoldedKey(*section, *key), i);
    }
}

// A value ends at a NUL as it would in the caller's buffer, so what a load shows is what a
// save can write back.
std::string_view ValueOf(std::string_view line)
{
    auto value = line.substr(line.find('=') + 1);
    value = TrimBlanks(value.substr(0, value.find('\0')));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

IniDocument Parse(std::string_view bytes)
{
    DecodedText decoded = DecodeProfileText(bytes);
    IniDocument doc;
    doc.encoding = decoded.encoding;
    for (const std::string_view line : SplitLines(decoded.utf8))
        doc.lines.emplace_back(line);
    IndexKeys(doc);
    return doc;
}

std::string Serialize(const IniDocument& doc)
{
    std::string text;
    for (const auto& line : doc.lines) {
        text += line;
        text += "\r\n";
    }
    return EncodeProfileText(text);
}

// The profile functions keep the last parsed form of each file, as the system does, so a
// load that reads hundreds of keys parses the file once. The stamp check catches any change.
// Callers hold Mutex() around Document and Store.
class ProfileCache {
public:
    std::mutex& Mutex() { return m_mutex; }

    // The file's document as it is now; empty when the file is missing.
    const IniDocument& Document(const std::string& path)
    {
        const auto stamp = StampOf(path);
        if (!stamp) {
            m_entries.erase(path);
            return m_missing;
        }
        auto found = m_entries.find(path);
        if (found != m_entries.end() && found->second.stamp == *stamp)
            return found->second.doc;
        const auto bytes = ReadFileBytes(path);
        Entry& entry = m_entries[path];
        entry = Entry{*stamp, bytes ? Parse(*bytes) : IniDocument{}};
        return entry.doc;
    }

    void Store(const std::string& path, IniDocument doc)
    {
        if (auto stamp = StampOf(path)) {
            IndexKeys(doc);
            m_entries[path] = Entry{*stamp, std::move(doc)};
        }
        else
            m_entries.erase(path);
    }

private:
    struct Entry {
        FileStamp stamp;
        IniDocument doc;
    };

    std::mutex m_mutex;
    std::map<std::string, Entry> m_entries;
    IniDocument m_missing;
};

ProfileCache& Cache()
{
    static ProfileCache cache;
    return cache;
}

std::string OneLine(std::string_view value)
{
    std::string line(value);
    for (char& ch : line)
        if (ch == '\r' || ch == '\n')
            ch = ' ';
    return line;
}

bool UsableName(std::string_view name, std::string_view forbidden)
{
    return !TrimBlanks(name).empty() && name.find_first_of(forbidden) == std::string_view::npos;
}

} // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, size_t bufferSize,
                                    const std::string& file)
{
    if (bufferSize == 0)
        return {};
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    ProfileCache& cache = Cache();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    const IniDocument& doc = cache.Document(file);
    if (const auto found = doc.keyLines.find(FoldedKey(section, key)); found != doc.keyLines.end())
        return CutToEncodedBytes(ValueOf(doc.lines[found->second]), bufferSize - 1, doc.encoding);
    return CutToEncodedBytes(defaultValue, bufferSize - 1, DiskEncoding::Utf8);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& file)
{
    if (!UsableName(section, "]\r\n") || !UsableName(key, "=\r\n"))
        return false;
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    const std::string newLine = std::string(key) + "=" + OneLine(value);

    ProfileCache& cache = Cache();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    IniDocument doc = cache.Document(file);
    auto& lines = doc.lines;
    // The first section of that name, the key in it, and the section's last non-blank line.
    std::optional<size_t> sectionLine, keyLine, lastContent;
    for (size_t i = 0; i < lines.size() && !keyLine; ++i) {
        if (const auto name = SectionOf(lines[i])) {
            if (sectionLine)
                break;
            if (SameName(*name, section))
                sectionLine = lastContent = i;
        } else if (sectionLine) {
            if (!TrimBlanks(lines[i]).empty())
                lastContent = i;
            const auto lineKey = KeyOf(lines[i]);
            if (lineKey && SameName(*lineKey, key))
                keyLine = i;
        }
    }
    if (keyLine)
        lines[*keyLine] = newLine;
    else if (sectionLine)
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastContent + 1), newLine);
    else {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(newLine);
    }
    if (!WriteFileReplacing(file, Serialize(doc)))
        return false;
    doc.encoding = DiskEncoding::Gb18030;
    cache.Store(file, std::move(doc));
    return true;
}

} // namespace platform
