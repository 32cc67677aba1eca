#include "platform/Profile.h"

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/IniLines.h"
#include "platform/IniWriter.h"
#include "platform/ProfileMarker.h"
#include "platform/TextLines.h"

#include <map>
#include <mutex>
#include <optional>
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

// Section and key names compare without letter case; a line end can be in neither.
std::string FoldedKey(std::string_view section, std::string_view key)
{
    return FoldCase(section) + '\n' + FoldCase(key);
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

std::string Serialize(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
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

// The files that open batches hold in memory, by the path their writers name.
struct OpenBatch {
    IniWriter writer;
    bool spoiled = false;   // a part of it failed: it must not reach the disk
};

struct OpenBatches {
    std::mutex mutex;
    std::map<std::string, OpenBatch> byPath;
};

OpenBatches& Batches()
{
    static OpenBatches batches;
    return batches;
}

// Puts the line into the batch that holds the file; false when no batch does.
bool WriteIntoBatch(const std::string& file, std::string_view section, std::string_view key,
                    const std::string& line)
{
    OpenBatches& batches = Batches();
    std::lock_guard<std::mutex> lock(batches.mutex);
    const auto open = batches.byPath.find(file);
    if (open == batches.byPath.end())
        return false;
    try {
        open->second.writer.Write(section, key, line);
    } catch (...) {
        open->second.spoiled = true;
        throw;
    }
    return true;
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
    std::string newLine = std::string(key) + "=" + OneLine(value);
    if (WriteIntoBatch(file, section, key, newLine))
        return true;

    ProfileCache& cache = Cache();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    IniWriter writer(cache.Document(file).lines);
    writer.Write(section, key, std::move(newLine));
    if (!WriteFileReplacing(file, Serialize(writer.Lines())))
        return false;
    cache.Store(file, IniDocument{std::move(writer).TakeLines(), DiskEncoding::Gb18030, {}});
    return true;
}

ProfileBatch::ProfileBatch(std::string file) : m_file(std::move(file))
{
    OpenBatches& batches = Batches();
    std::lock_guard<std::mutex> lock(batches.mutex);
    m_joined = !batches.byPath.try_emplace(m_file).second;
}

ProfileBatch::~ProfileBatch()
{
    if (m_ended)
        return;
    OpenBatches& batches = Batches();
    std::lock_guard<std::mutex> lock(batches.mutex);
    const auto open = batches.byPath.find(m_file);
    if (open == batches.byPath.end())
        return;
    if (m_joined)
        open->second.spoiled = true;
    else
        batches.byPath.erase(open);
}

bool ProfileBatch::Publish()
{
    if (m_ended)
        return false;
    m_ended = true;
    std::optional<OpenBatch> ended;
    {
        OpenBatches& batches = Batches();
        std::lock_guard<std::mutex> lock(batches.mutex);
        const auto open = batches.byPath.find(m_file);
        if (open == batches.byPath.end())
            return false;
        if (m_joined)
            return !open->second.spoiled;
        ended = std::move(open->second);
        batches.byPath.erase(open);
    }
    if (ended->spoiled)
        return false;
    ProfileCache& cache = Cache();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    return WriteFileReplacing(m_file, Serialize(ended->writer.Lines()));
}

} // namespace platform
