#pragma once
// Every character of GB18030's two-byte range, found by the system's converter rather than by
// the code under test.

#include <string>
#include <vector>

struct GbCharacter {
    std::string bytes;   // two bytes: lead 81-FE, trail 40-7E or 80-FE
    std::string text;    // the one character they stand for, in UTF-8
};

// Each two-byte position that decodes to one character, in byte order.
const std::vector<GbCharacter>& TwoByteGb18030Characters();

// Bytes from one encoding to another (as iconv names them); empty when any byte does not convert.
std::string ConvertWithIconv(const char* to, const char* from, const std::string& bytes);
// Bytes in the encoding named (as iconv names it) to UTF-8; empty when any byte does not convert.
std::string ToUtf8From(const char* encoding, const std::string& bytes);
// GB18030 bytes to UTF-8; empty when any byte does not convert.
std::string Gb18030ToUtf8(const std::string& bytes);
