#pragma once
// The lines of an INI file as the profile writer changes them: a key is looked for only in the
// first section of its name; a new key goes after the last non-blank line of that section, and
// a section not yet there is added at the end. It keeps where each key and section is, so a
// file written whole, key after key, costs time in proportion to its size.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

class IniWriter {
public:
    explicit IniWriter(std::vector<std::string> lines = {});

    // `line` is the whole key line ("key=value"); section and key are trimmed and valid.
    void Write(std::string_view section, std::string_view key, std::string line);

    const std::vector<std::string>& Lines() const { return m_lines; }
    std::vector<std::string> TakeLines() && { return std::move(m_lines); }

private:
    struct Section {
        size_t lastContent = 0;   // the header, or its last non-blank line
        std::unordered_map<std::string, size_t> keys;   // folded key to its first line
    };

    // Where everything is, found again from the lines.
    void Locate();
    // Follows one line added at the end of the file, in section `in`.
    void Follow(Section& in, const std::string& key);

    std::vector<std::string> m_lines;
    std::unordered_map<std::string, Section> m_sections;   // by folded name, first of each name
};

} // namespace platform
