#pragma once
// The motto lines of a text file in the system code page, one motto a line.

#include "settings/TextLineRecord.h"

#include <string>
#include <vector>

// Appends the kept lines: a line of 0 or 1 bytes is no motto; a line of 1023 bytes or more ends
// the reading (the lines before it are kept). Lengths count the bytes as stored. A file that
// cannot be read adds nothing.
void ReadTextFileLines(const std::string& path, std::vector<TextLineRecord>& lines);
