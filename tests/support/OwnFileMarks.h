#pragma once
// How the program marks the files it writes, spelled out so tests do not lean on the writer.

#include <string>

// The first line of every INI file the program writes.
inline const std::string kProfileMarkerLine = "; -*- coding: gb18030 -*-\r\n";
// U+FEFF in GB18030: the start of every motto file the program writes.
inline const std::string kGb18030Bom = "\x84\x31\x95\x33";
