#pragma once
// The line that marks an INI file as one the program wrote: a comment before the first
// section, which every profile reader skips, naming the file's encoding in the form editors
// honour. A marked file is read as GB18030 with no guessing, so every save reads back as written.

#include "platform/CodePage.h"

#include <string>
#include <string_view>

namespace platform {

// The bytes of a file whose lines are this UTF-8 text: the marker line, then the text in GB18030.
std::string EncodeProfileText(std::string_view utf8);

// The text of a file, without its marker line. A marker left under a byte order mark (an
// editor that re-encoded the file) is dropped too, so a rewrite never doubles it.
DecodedText DecodeProfileText(std::string_view bytes);

} // namespace platform
