#pragma once
// Text on disk versus text in memory.
// In memory every text is UTF-8. Files the program calls "system code page" text are
// GB18030 on disk (a superset of GB2312, so files written on Windows read back unchanged).
// A byte order mark settles a file's encoding (UTF-16's too: such text counts as code page
// text, as the Windows programs' profile functions take it). Without one, a file that is not
// valid UTF-8 is GB18030; one that is valid UTF-8 is taken as UTF-8 when that reading is written
// Chinese, and as GB18030 otherwise (GB text taken for UTF-8 reads as other scripts or rare
// characters).

#include "platform/WrittenChinese.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class DiskEncoding { Gb18030, Utf8 };

struct DecodedText {
    std::string utf8;
    DiskEncoding encoding = DiskEncoding::Gb18030;   // how its stored bytes are counted
};

bool IsValidUtf8(std::string_view bytes);

// Decodes a whole file's bytes; a UTF-8, GB18030 or UTF-16 byte order mark is dropped.
DecodedText DecodeDiskText(std::string_view bytes);

// The same decoding for a file read a piece at a time. Each piece ends between two characters,
// as a line end does: in GB18030 and UTF-8 no byte of a line end is ever part of a character;
// in UTF-16 a piece ends on a whole line end unit (see CodeUnitAt).

// How a file's bytes spell its text. UTF-16, known by its mark only, counts as code page text.
enum class DiskForm { Gb18030, Utf8, Utf16Le, Utf16Be };
DiskEncoding CountedAs(DiskForm form);

// The bytes of one code unit (2 in UTF-16, else 1) and the unit at a byte offset; line ends
// are the units '\r' and '\n', never half of a surrogate pair.
size_t CodeUnitBytes(DiskForm form);
char32_t CodeUnitAt(std::string_view bytes, size_t offset, DiskForm form);

// A byte order mark at the start of a file's bytes settles its form.
struct DiskMark {
    size_t length;
    DiskForm form;
};
std::optional<DiskMark> MarkOf(std::string_view bytes);

// The form of a file without a mark (GB18030 or UTF-8), judged from all its pieces in file order.
class UnmarkedEncodingJudge {
public:
    void Add(std::string_view piece);
    DiskForm Result() const;

private:
    bool m_validUtf8 = true;
    bool m_ascii = true;
    WrittenChineseCheck m_chinese;
    size_t m_gbFailures = 0;   // of the pieces read as GB18030, while that can still decide
};

// A piece of a file (its mark taken off) in UTF-8, given the file's form. A lone surrogate or
// an odd last byte of UTF-16 becomes U+FFFD.
std::string DecodeDiskPiece(std::string_view piece, DiskForm form);

// GB18030 to UTF-8 with no guessing; a byte that is no character becomes U+FFFD and counts
// in `failures`. A byte 0x80 where a character begins is code page 936's euro sign: it reads
// as "€" and still counts, since GB18030 has no such byte.
std::string DecodeGb18030(std::string_view bytes, size_t* failures = nullptr);

// UTF-8 to GB18030 (every character has a GB18030 form). Broken UTF-8 becomes U+FFFD.
std::string EncodeGb18030(std::string_view utf8);

// GB18030 behind its own byte order mark (84 31 95 33), which DecodeDiskText knows: how the
// program marks the plain text files it writes, whose every line is text.
std::string EncodeMarkedGb18030(std::string_view utf8);

// The bytes a UTF-8 text takes in the given encoding (broken UTF-8 counts as U+FFFD there).
size_t EncodedLength(std::string_view utf8, DiskEncoding encoding);

// The longest start of a UTF-8 text whose form in the given encoding takes at most
// maxBytes bytes; never splits a character.
std::string CutToEncodedBytes(std::string_view utf8, size_t maxBytes, DiskEncoding encoding);

// The longest start of a UTF-8 text of at most maxBytes bytes that ends on a character boundary.
size_t Utf8PrefixLength(std::string_view utf8, size_t maxBytes);

// The bytes of the first maxCharacters characters of a UTF-8 text (a broken byte counts as one).
size_t Utf8CharactersLength(std::string_view utf8, size_t maxCharacters);

} // namespace platform
