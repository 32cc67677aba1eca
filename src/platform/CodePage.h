#pragma once
// Text on disk versus text in memory.
// In memory every text is UTF-8. Files the program calls "system code page" text are
// GB18030 on disk (a superset of GB2312, so files written on Windows read back unchanged).
// A file is taken as UTF-8 when it starts with a UTF-8 BOM, or when it is valid UTF-8 and its
// GB18030 reading is not plain GB2312 text (what our saves and the Windows program's are).

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

enum class DiskEncoding { Gb18030, Utf8 };

struct DecodedText {
    std::string utf8;
    DiskEncoding encoding = DiskEncoding::Gb18030;
};

bool IsValidUtf8(std::string_view bytes);

// Decodes a whole file's bytes; a UTF-8 BOM is dropped.
DecodedText DecodeDiskText(std::string_view bytes);

// UTF-8 to GB18030 (every character has a GB18030 form). Broken UTF-8 becomes U+FFFD.
std::string EncodeGb18030(std::string_view utf8);

// The longest start of a UTF-8 text whose form in the given encoding takes at most
// maxBytes bytes; never splits a character.
std::string CutToEncodedBytes(std::string_view utf8, size_t maxBytes, DiskEncoding encoding);

// The longest start of a UTF-8 text of at most maxBytes bytes that ends on a character boundary.
size_t Utf8PrefixLength(std::string_view utf8, size_t maxBytes);

// The bytes of the first maxCharacters characters of a UTF-8 text (a broken byte counts as one).
size_t Utf8CharactersLength(std::string_view utf8, size_t maxCharacters);

} // namespace platform
