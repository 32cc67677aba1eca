#include "platform/IniWriter.h"

#include "platform/IniLines.h"

#include <iterator>

namespace platform {

IniWriter::IniWriter(std::vector<std::string> lines) : m_lines(std::move(lines))
{
    Locate();
}

void IniWriter::Locate()
{
    m_sections.clear();
    Section* current = nullptr;   // none before the first header and in a section's repeats
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (const auto name = SectionOf(m_lines[i])) {
            const auto [found, added] = m_sections.try_emplace(FoldCase(*name));
            current = added ? &found->second : nullptr;
            if (current)
                current->lastContent = i;
        } else if (current) {
            if (!TrimBlanks(m_lines[i]).empty())
                current->lastContent = i;
            if (const auto key = KeyOf(m_lines[i]))
                current->keys.try_emplace(FoldCase(*key), i);
        }
    }
}

void IniWriter::Follow(Section& in, const std::string& key)
{
    in.lastContent = m_lines.size() - 1;
    in.keys.try_emplace(key, in.lastContent);
}

void IniWriter::Write(std::string_view section, std::string_view key, std::string line)
{
    // A key that makes its line read as a comment or a header moves the places in ways only a
    // fresh look at the lines tells.
    const bool plainKey = KeyOf(line).has_value();
    std::string foldedSection = FoldCase(section);
    const std::string foldedKey = FoldCase(key);
    const auto found = m_sections.find(foldedSection);
    if (found == m_sections.end()) {
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::move(line));
        Follow(m_sections[std::move(foldedSection)], foldedKey);
    } else if (const auto keyLine = found->second.keys.find(foldedKey); keyLine != found->second.keys.end()) {
        m_lines[keyLine->second] = std::move(line);
    } else if (found->second.lastContent + 1 == m_lines.size()) {
        m_lines.push_back(std::move(line));
        Follow(found->second, foldedKey);
    } else {
        m_lines.insert(std::next(m_lines.begin(), static_cast<std::ptrdiff_t>(found->second.lastContent + 1)),
                       std::move(line));
        Locate();
        return;
    }
    if (!plainKey)
        Locate();
}

} // namespace platform
