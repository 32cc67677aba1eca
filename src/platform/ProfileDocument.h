#pragma once
// A profile (INI) file as read: its text in UTF-8, where each line lies in it, and an index of
// its sections and keys. It takes a small multiple of the file's size: lines are not copied,
// and the index holds line numbers only, so a long section name is never repeated per key.

#include "platform/CodePage.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class ProfileDocument {
public:
    ProfileDocument() = default;
    // Text in UTF-8 whose file is in the given encoding, and whether the file says that its values
    // stand as written (see ProfileMarker).
    ProfileDocument(std::string utf8, DiskEncoding encoding, bool valuesReadAsWritten = false);
    // A file's bytes, decoded as ProfileMarker says.
    static ProfileDocument FromBytes(std::string_view bytes);

    size_t LineCount() const { return m_lines.size(); }
    std::string_view Line(size_t index) const;
    DiskEncoding Encoding() const { return m_encoding; }
    bool ValuesReadAsWritten() const { return m_valuesReadAsWritten; }

    // The line of a key: names compare without letter case, a key counts in every section of
    // its name, and the first occurrence in the file wins.
    std::optional<size_t> FindKey(std::string_view section, std::string_view key) const;

    // False when the file is no INI text as a whole: it begins with a second byte order mark,
    // holds a NUL before or in its first section header (UTF-16 without its mark does), or
    // holds text but no section. Empty files and files of comments are INI text.
    bool IsIniText() const { return m_iniText; }

    // What the document takes in memory.
    size_t MemoryBytes() const;

private:
    struct Span {
        uint32_t begin = 0;
        uint32_t length = 0;
    };
    struct Key {
        uint32_t section = 0;   // the header line of the first section of that name
        uint32_t line = 0;
    };

    void Index();
    bool KeyLess(const Key& a, const Key& b) const;

    std::string m_text;
    std::vector<Span> m_lines;
    std::vector<uint32_t> m_sections;   // one header line per section name, in the order of the names
    std::vector<Key> m_keys;            // the first line of each key, by section and name
    DiskEncoding m_encoding = DiskEncoding::Gb18030;
    bool m_iniText = true;
    bool m_valuesReadAsWritten = false;
};

} // namespace platform
