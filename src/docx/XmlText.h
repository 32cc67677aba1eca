#pragma once
// User text on its way into XML. Every emitter of the generator sends each text and attribute
// value it was given through here, so a caption holding & < > " ' still gives a well-formed part.
// The Append forms add to the caller's text, for emitters that build one piece after another.

#include <string>
#include <string_view>

namespace docx {

// No value, for an emitter's string parameter: the element or attribute it stands for is left out.
inline const std::string kNoValue;

// Character data: "&", "<" and ">" become entities; characters XML 1.0 cannot hold (control
// characters other than tab and line ends, U+FFFE, U+FFFF, broken UTF-8) are dropped.
std::string EscapeText(std::string_view text);
void AppendEscapedText(std::string& out, std::string_view text);

// An attribute value, quoted with either quote character: as EscapeText, and both quotes too.
std::string EscapeAttribute(std::string_view text);
void AppendEscapedAttribute(std::string& out, std::string_view text);

// before + the escaped value + after, or "" when the escaped value is empty or does not fit the
// attribute `before` ends with (docx/AttributeValues): the schema takes no empty or malformed
// colour, size or level, so such an element is left out and the reader's default applies.
std::string ValueXml(std::string_view before, std::string_view value, std::string_view after);
void AppendValueXml(std::string& out, std::string_view before, std::string_view value, std::string_view after);

// A size in half-points as the schema takes it: a whole number. Sizes built from points with
// one decimal ("21.0") are rounded; a text that is no number gives "".
std::string HalfPoints(std::string_view size);

// The size pair of run properties: <w:sz> and <w:szCs> with the size in half-points, each
// element closed by `after`; "" when the size is no number.
std::string SizeXml(std::string_view size, std::string_view after);
void AppendSizeXml(std::string& out, std::string_view size, std::string_view after);

} // namespace docx
