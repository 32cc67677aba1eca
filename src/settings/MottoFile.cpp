#include "settings/MottoFile.h"

#include "platform/CodePage.h"
#include "platform/DiskTextLines.h"
#include "platform/Files.h"

#include <string_view>

namespace {

constexpr size_t kShortestMotto = 2;
// A day takes one motto, so even a leap year of long mottos is far below this; anything larger
// is no motto file (a disk image, a device) and reading it would only stall the run.
constexpr size_t kLargestMottoFile = 16 * 1024 * 1024;
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

std::string Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1));
}

} // namespace

std::vector<MottoLine> ReadMottoLines(const std::string& path, std::optional<int> mostSkipped, size_t mostKept)
{
    std::vector<MottoLine> lines;
    int skipped = 0;
    const bool read = platform::ReadDiskTextLines(
        path, kLargestMottoFile, [&](std::string_view line, platform::DiskEncoding encoding) {
            if (lines.size() >= mostKept || (mostSkipped && skipped > *mostSkipped))
                return false;
            // The list shows a text up to its first NUL: a motto is what it shows, so a save
            // never writes a NUL it did not show.
            line = line.substr(0, line.find('\0'));
            const size_t stored =
                encoding == platform::DiskEncoding::Utf8 ? line.size() : platform::EncodeGb18030(line).size();
            if (stored < kShortestMotto)
                ++skipped;
            else
                lines.push_back({std::string(line), static_cast<int>(stored)});
            return true;
        });
    return read ? lines : std::vector<MottoLine>();
}

void ReadTextFileLines(const std::string& path, std::vector<TextLineRecord>& lines, size_t mostKept)
{
    int kept = 0;
    for (const MottoLine& line : ReadMottoLines(path, std::nullopt, mostKept))
        lines.push_back({++kept, Trimmed(line.text), line.length});
}

bool WriteMottoFile(const std::string& path, const std::vector<TextLineRecord>& lines)
{
    std::string text;
    for (const TextLineRecord& line : lines)
        text += Trimmed(line.text) + "\r\n";
    // The mark tells our GB18030 from UTF-8 that has the same bytes; an empty file needs none.
    return !path.empty() &&
           platform::WriteFileReplacing(path, text.empty() ? std::string() : platform::EncodeMarkedGb18030(text));
}
