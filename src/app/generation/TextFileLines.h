#pragma once
// The motto lines of a text file in the system code page, one motto a line.

#include "settings/TextLineRecord.h"

#include <string>
#include <vector>

// Appends the kept lines: a line of 0 or 1 bytes is no motto; a long line is kept whole. Lengths
// count the bytes as stored. A file that cannot be read, is no regular file or is far larger
// than any motto file adds nothing.
void ReadTextFileLines(const std::string& path, std::vector<TextLineRecord>& lines);
