#pragma once
// The lines that mark an INI file as one the program wrote: comments before the first section,
// which every profile reader skips. The first names the file's encoding in the form editors
// honour, so a marked file is read as GB18030 with no guessing and every save reads back as
// written. The second says that a value a read would change stands inside one more pair of
// quotes, so one read gives back each value as written; files written before it held their
// values bare.

#include "platform/CodePage.h"

#include <string>
#include <string_view>

namespace platform {

// The bytes of a file whose lines are this UTF-8 text: the marker lines, then the text in GB18030.
std::string EncodeProfileText(std::string_view utf8);

struct ProfileText : DecodedText {
    bool valuesReadAsWritten = false;   // the file carries the second line
};

// The text of a file, without its marker lines. A marker left under a byte order mark (an
// editor that re-encoded the file) is dropped too, so a rewrite never doubles it.
ProfileText DecodeProfileText(std::string_view bytes);

} // namespace platform
