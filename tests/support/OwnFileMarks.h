#pragma once
// How the program marks the files it writes, spelled out so tests do not lean on the writer.

#include <string>

// The first lines of every INI file the program writes: its encoding, and that a value a read would
// change stands inside one more pair of quotes.
inline const std::string kProfileMarkerLine =
    "; -*- coding: gb18030 -*-\r\n; a value with blanks or quotes at its ends is written in one more pair of quotes\r\n";
// U+FEFF in GB18030: the start of every motto file the program writes.
inline const std::string kGb18030Bom = "\x84\x31\x95\x33";
