#include "platform/Profile.h"

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/IniLines.h"
#include "platform/IniWriter.h"
#include "platform/ProfileCache.h"
#include "platform/ProfileMarker.h"
#include "platform/SystemError.h"

#include <cerrno>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace platform {
namespace {

// A value ends at a NUL as it would in the caller's buffer, so what a load shows is what a
// save can write back.
std::string_view ValueOf(std::string_view line)
{
    const auto value = line.substr(line.find('=') + 1);
    return ValueAsRead(value.substr(0, value.find('\0')));
}

// The lines of a file as the writer changes them, and their text as the file holds it.
std::vector<std::string> LinesOf(const ProfileDocument& doc)
{
    std::vector<std::string> lines;
    lines.reserve(doc.LineCount());
    for (size_t i = 0; i < doc.LineCount(); ++i)
        lines.emplace_back(doc.Line(i));
    return lines;
}

std::string TextOf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// The bytes to write, or nothing when the file would grow past what is read back.
std::optional<std::string> Serialize(const std::string& text)
{
    std::string bytes = EncodeProfileText(text);
    if (bytes.size() <= kMaxProfileFileBytes)
        return bytes;
    errno = EFBIG;
    return std::nullopt;
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
    ProfileCache& cache = ProfileCache::Instance();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    const ProfileDocument& doc = cache.Read(file).document;
    if (const auto line = doc.FindKey(section, key))
        return CutToEncodedBytes(ValueOf(doc.Line(*line)), bufferSize - 1, doc.Encoding());
    return CutToEncodedBytes(defaultValue, bufferSize - 1, DiskEncoding::Utf8);
}

ProfileFileState GetProfileFileState(const std::string& file)
{
    ProfileCache& cache = ProfileCache::Instance();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    const ProfileCache::Reading reading = cache.Read(file);
    if (!ReadsAsProfile(reading.state))
        errno = reading.error;
    return reading.state;
}

bool ProfileValuesReadAsWritten(const std::string& file)
{
    ProfileCache& cache = ProfileCache::Instance();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    return cache.Read(file).document.ValuesReadAsWritten();
}

bool ReadsAsProfile(ProfileFileState state)
{
    return state == ProfileFileState::Missing || state == ProfileFileState::Read;
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& file)
{
    const ProfileKeyValue keyValue{key, value};
    return WritePrivateProfileStrings(section, {&keyValue, 1}, file);
}

bool WritePrivateProfileStrings(std::string_view section, std::span<const ProfileKeyValue> keys,
                                const std::string& file)
{
    if (!UsableName(section, "]\r\n"))
        return Refused(EINVAL);
    for (const ProfileKeyValue& keyValue : keys)
        if (!UsableName(keyValue.key, "=\r\n"))
            return Refused(EINVAL);
    section = TrimBlanks(section);
    std::vector<std::pair<std::string_view, std::string>> lines;
    for (const ProfileKeyValue& keyValue : keys) {
        const std::string_view key = TrimBlanks(keyValue.key);
        lines.emplace_back(key, std::string(key) + "=" + ValueToWrite(OneLine(keyValue.value)));
    }
    bool batched = !lines.empty();
    for (auto& [key, line] : lines)
        batched = WriteIntoBatch(file, section, key, line) && batched;
    if (batched)
        return true;

    ProfileCache& cache = ProfileCache::Instance();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    const auto [doc, state, error] = cache.Read(file);
    // A file not read, or not read as INI text, would be replaced by what little we made of it.
    if (!ReadsAsProfile(state))
        return Refused(error);
    IniWriter writer(LinesOf(doc));
    for (auto& [key, line] : lines)
        writer.Write(section, key, std::move(line));
    std::string text = TextOf(writer.Lines());
    const auto bytes = Serialize(text);
    if (!bytes || !WriteFileReplacing(file, *bytes))
        return false;
    cache.Store(file, ProfileDocument(std::move(text), DiskEncoding::Gb18030, true));
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
    const auto bytes = Serialize(TextOf(ended->writer.Lines()));
    ProfileCache& cache = ProfileCache::Instance();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    return bytes && WriteFileReplacing(m_file, *bytes);
}

} // namespace platform
