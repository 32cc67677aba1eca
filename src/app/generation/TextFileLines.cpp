#include "app/generation/TextFileLines.h"

#include "platform/CodePage.h"
#include "platform/Files.h"

#include <string_view>

namespace {

constexpr size_t kLongestLine = 1022;
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

void ReadTextFileLines(const std::string& path, std::vector<TextLineRecord>& lines)
{
    const auto bytes = platform::ReadFileBytes(path);
    if (!bytes)
        return;
    const platform::DecodedText decoded = platform::DecodeDiskText(*bytes);
    std::string_view rest = decoded.utf8;
    int kept = 0;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        // CR LF ends a line as the Windows text mode reads it.
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const size_t stored = decoded.encoding == platform::DiskEncoding::Utf8
                                  ? line.size()
                                  : platform::EncodeGb18030(line).size();
        if (stored > kLongestLine)
            return;
        if (stored < kShortestMotto)
            continue;
        lines.push_back({++kept, Trimmed(line), static_cast<int>(stored)});
    }
}
