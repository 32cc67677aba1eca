#pragma once
// What a design value must look like before it may stand in an attribute of the document part.
// A value that fails is left out with its element (the reader's default applies), never written:
// Word may refuse a document whose part fails the schema.

#include <string>
#include <string_view>

namespace docx {

// ST_HexColor: "auto" or three bytes as six hexadecimal digits.
bool IsHexColour(std::string_view value);
// ST_Border: one of the line styles (the art borders aside, which no design offers).
bool IsBorderType(std::string_view value);

// Whether an escaped value may fill the attribute that `before` ends with: colours (w:fill,
// w:color and <w:color w:val>) must be hexadecimal colours, sizes (<w:sz>, <w:szCs>) whole
// numbers, outline levels (<w:outlineLvl>) 0 to 9; any other attribute takes any text.
bool FitsAttribute(std::string_view before, std::string_view value);

// A font face as w:rFonts takes it: escaped, at most 31 characters (its limit in Word).
void AppendFontNameAttribute(std::string& out, std::string_view font);

} // namespace docx
