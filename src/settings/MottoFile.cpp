#include "settings/MottoFile.h"

#include "platform/CodePage.h"
#include "platform/DiskTextLines.h"
#include "platform/Files.h"
#include "platform/SystemError.h"

#include <cerrno>
#include <string_view>

namespace {

constexpr size_t kShortestMotto = 2;
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

std::string Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1));
}

} // namespace

MottoFileLines ReadMottoLines(const std::string& path, std::optional<int> mostSkipped, size_t mostKept)
{
    std::vector<MottoLine> lines;
    int skipped = 0;
    const platform::Attempted read = platform::Attempt([&] {
        return platform::ReadDiskTextLines(
            path, kMaxMottoFileBytes, [&](std::string_view line, platform::DiskEncoding encoding) {
                if (lines.size() >= mostKept || (mostSkipped && skipped > *mostSkipped))
                    return false;
                // The list shows a text up to its first NUL: a motto is what it shows, so a save
                // never writes a NUL it did not show.
                line = line.substr(0, line.find('\0'));
                const size_t stored = platform::EncodedLength(line, encoding);
                if (stored < kShortestMotto)
                    ++skipped;
                else
                    lines.push_back({std::string(line), static_cast<int>(stored)});
                return true;
            });
    });
    if (!read.ok)
        return {{}, read.error != 0 ? read.error : EIO};
    return {std::move(lines), 0};
}

int ReadTextFileLines(const std::string& path, std::vector<TextLineRecord>& lines, size_t mostKept)
{
    MottoFileLines read = ReadMottoLines(path, std::nullopt, mostKept);
    int kept = 0;
    for (const MottoLine& line : read.lines)
        lines.push_back({++kept, Trimmed(line.text), line.length});
    return read.error;
}

std::string UnreadMottoFileMessage(const std::string& path, int error)
{
    if (error == EFBIG)
        return "文本文件 '" + path + "' 超过了" + std::to_string(kMaxMottoFileBytes >> 20) + " MB，无法读取。";
    return platform::WithSystemReason("无法读取文本文件 '" + path + "'。", error);
}

bool WriteMottoFile(const std::string& path, const std::vector<TextLineRecord>& lines)
{
    std::string text;
    for (const TextLineRecord& line : lines)
        text += Trimmed(line.text) + "\r\n";
    // The mark tells our GB18030 from UTF-8 that has the same bytes; an empty file needs none.
    const std::string bytes = text.empty() ? std::string() : platform::EncodeMarkedGb18030(text);
    // A file the readers refuse would read as no mottos, and its next save would write none.
    if (bytes.size() > kMaxMottoFileBytes) {
        errno = EFBIG;
        return false;
    }
    return !path.empty() && platform::WriteFileReplacing(path, bytes);
}
