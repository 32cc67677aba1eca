#pragma once
// The user's list of daily date formats, "config/date_format.ini": section Main, keys
// DateFormat1, DateFormat2, ... without gaps, one strftime pattern each.

#include "platform/CString.h"

#include <vector>

// The formats up to the first empty value; none when the file is missing.
std::vector<CString> ReadDateFormats(const CString& file);
// Rewrites the file whole with these formats in order, through a new file that then replaces
// the old one; false when it could not be written or the old file was not read as a profile
// (the old file is then kept, errno tells why).
bool WriteDateFormats(const CString& file, const std::vector<CString>& formats);
// The list the program ships.
std::vector<CString> StarterDateFormats();
