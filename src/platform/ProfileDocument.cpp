#include "platform/ProfileDocument.h"

#include "platform/IniLines.h"
#include "platform/ProfileMarker.h"
#include "platform/TextLines.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace platform {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Section and key names compare without letter case (ASCII letters, as the stored files use).
int CompareFolded(std::string_view a, std::string_view b)
{
    const auto lower = [](char ch) {
        return static_cast<unsigned char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    };
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i)
        if (lower(a[i]) != lower(b[i]))
            return lower(a[i]) < lower(b[i]) ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool IsBlankOrComment(std::string_view line)
{
    const std::string_view trimmed = TrimBlanks(line);
    return trimmed.empty() || trimmed.front() == ';';
}

} // namespace

ProfileDocument::ProfileDocument(std::string utf8, DiskEncoding encoding, bool valuesReadAsWritten)
    : m_text(std::move(utf8)), m_encoding(encoding), m_valuesReadAsWritten(valuesReadAsWritten)
{
    // Files are read and written within a few MiB, so line positions fit 32 bits.
    if (m_text.size() > std::numeric_limits<uint32_t>::max())
        m_text.clear();
    size_t count = 0;
    for (std::string_view rest = m_text; !rest.empty(); ++count)
        TakeLine(rest);
    m_lines.reserve(count);
    for (std::string_view rest = m_text; !rest.empty();) {
        const std::string_view line = TakeLine(rest);
        m_lines.push_back({static_cast<uint32_t>(line.data() - m_text.data()), static_cast<uint32_t>(line.size())});
    }
    Index();
}

ProfileDocument ProfileDocument::FromBytes(std::string_view bytes)
{
    ProfileText decoded = DecodeProfileText(bytes);
    return ProfileDocument(std::move(decoded.utf8), decoded.encoding, decoded.valuesReadAsWritten);
}

std::string_view ProfileDocument::Line(size_t index) const
{
    const Span span = m_lines[index];
    return std::string_view(m_text).substr(span.begin, span.length);
}

bool ProfileDocument::KeyLess(const Key& a, const Key& b) const
{
    if (a.section != b.section)
        return a.section < b.section;
    const int names = CompareFolded(*KeyOf(Line(a.line)), *KeyOf(Line(b.line)));
    return names != 0 ? names < 0 : a.line < b.line;
}

void ProfileDocument::Index()
{
    // Headers in file order; each key first names the ordinal of its header.
    std::vector<uint32_t> headers;
    bool nulBeforeSection = false, textWithoutSection = false;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const std::string_view line = Line(i);
        if (headers.empty())
            nulBeforeSection = nulBeforeSection || line.find('\0') != std::string_view::npos;
        if (SectionOf(line))
            headers.push_back(static_cast<uint32_t>(i));
        else if (!headers.empty()) {
            if (KeyOf(line))
                m_keys.push_back({static_cast<uint32_t>(headers.size() - 1), static_cast<uint32_t>(i)});
        } else {
            textWithoutSection = textWithoutSection || !IsBlankOrComment(line);
        }
    }
    m_iniText = m_text.compare(0, kByteOrderMark.size(), kByteOrderMark) != 0 && !nulBeforeSection &&
                (!headers.empty() || !textWithoutSection);

    // Sections of one name are one section, named by its first header.
    const auto nameOf = [&](uint32_t ordinal) { return *SectionOf(Line(headers[ordinal])); };
    std::vector<uint32_t> byName(headers.size());
    std::iota(byName.begin(), byName.end(), 0u);
    std::sort(byName.begin(), byName.end(), [&](uint32_t a, uint32_t b) {
        const int names = CompareFolded(nameOf(a), nameOf(b));
        return names != 0 ? names < 0 : a < b;
    });
    std::vector<uint32_t> firstHeader(headers.size());
    for (size_t k = 0; k < byName.size(); ++k) {
        if (k == 0 || CompareFolded(nameOf(byName[k - 1]), nameOf(byName[k])) != 0)
            m_sections.push_back(headers[byName[k]]);
        firstHeader[byName[k]] = m_sections.back();
    }
    m_sections.shrink_to_fit();

    for (Key& key : m_keys)
        key.section = firstHeader[key.section];
    std::sort(m_keys.begin(), m_keys.end(), [&](const Key& a, const Key& b) { return KeyLess(a, b); });
    const auto later = std::unique(m_keys.begin(), m_keys.end(), [&](const Key& a, const Key& b) {
        return a.section == b.section && CompareFolded(*KeyOf(Line(a.line)), *KeyOf(Line(b.line))) == 0;
    });
    m_keys.erase(later, m_keys.end());
    m_keys.shrink_to_fit();
}

std::optional<size_t> ProfileDocument::FindKey(std::string_view section, std::string_view key) const
{
    const auto named = std::lower_bound(m_sections.begin(), m_sections.end(), section,
                                        [&](uint32_t header, std::string_view name) {
                                            return CompareFolded(*SectionOf(Line(header)), name) < 0;
                                        });
    if (named == m_sections.end() || CompareFolded(*SectionOf(Line(*named)), section) != 0)
        return std::nullopt;
    const auto found = std::lower_bound(m_keys.begin(), m_keys.end(), key, [&](const Key& entry, std::string_view name) {
        return entry.section != *named ? entry.section < *named : CompareFolded(*KeyOf(Line(entry.line)), name) < 0;
    });
    if (found == m_keys.end() || found->section != *named || CompareFolded(*KeyOf(Line(found->line)), key) != 0)
        return std::nullopt;
    return found->line;
}

size_t ProfileDocument::MemoryBytes() const
{
    return sizeof(*this) + m_text.capacity() + m_lines.capacity() * sizeof(Span) +
           m_sections.capacity() * sizeof(uint32_t) + m_keys.capacity() * sizeof(Key);
}

} // namespace platform
