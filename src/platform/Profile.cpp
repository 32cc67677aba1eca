#include "platform/Profile.h"

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/ProfileCache.h"

#include <mutex>
#include <optional>
#include <strings.h>

namespace platform {
namespace {

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
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
    return cache.Read(file).state;
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& file)
{
    if (!UsableName(section, "]\r\n") || !UsableName(key, "=\r\n"))
        return false;
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    const std::string newLine = std::string(key) + "=" + OneLine(value);

    ProfileCache& cache = ProfileCache::Instance();
    std::lock_guard<std::mutex> lock(cache.Mutex());
    const auto [doc, state] = cache.Read(file);
    // A file not read is never replaced by what little would be written into it.
    if (state == ProfileFileState::TooLarge || state == ProfileFileState::Unreadable)
        return false;
    // The first section of that name, the key in it, and the section's last non-blank line.
    std::optional<size_t> sectionLine, keyLine, lastContent;
    for (size_t i = 0; i < doc.LineCount() && !keyLine; ++i) {
        const std::string_view line = doc.Line(i);
        if (const auto name = SectionOf(line)) {
            if (sectionLine)
                break;
            if (SameName(*name, section))
                sectionLine = lastContent = i;
        } else if (sectionLine) {
            if (!TrimBlanks(line).empty())
                lastContent = i;
            const auto lineKey = KeyOf(line);
            if (lineKey && SameName(*lineKey, key))
                keyLine = i;
        }
    }
    std::string text;
    const auto add = [&text](std::string_view line) {
        text += line;
        text += "\r\n";
    };
    for (size_t i = 0; i < doc.LineCount(); ++i) {
        add(keyLine == i ? std::string_view(newLine) : doc.Line(i));
        if (!keyLine && lastContent == i)
            add(newLine);
    }
    if (!sectionLine) {
        add("[" + std::string(section) + "]");
        add(newLine);
    }
    const std::string bytes = EncodeGb18030(text);
    if (bytes.size() > kMaxProfileFileBytes || !WriteFileReplacing(file, bytes))
        return false;
    cache.Store(file, ProfileDocument(std::move(text), DiskEncoding::Gb18030));
    return true;
}

} // namespace platform
