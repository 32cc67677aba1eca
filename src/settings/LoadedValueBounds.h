#pragma once
// A configuration file can hold values that no dialog of the program could have stored: a line
// count of two thousand million, an outline level of -2147483648, "red" for a colour, a face name
// of a hundred letters. Right after a load every such value is read as the program would have it,
// here and nowhere else: as what its save would read back as, which is the load's default where
// the key has one, else not set (empty). Empty values stay as they are where they read back so.
// With the texts, which their reader settles (IniSection), a loaded design thus saves to a file
// that loads as the same design.

#include "settings/ClassListModel.h"
#include "settings/MainSettings.h"

#include <string_view>

// Six hexadecimal digits, red first.
bool IsColourText(std::string_view text);
// One of the seven border words the line-type lists offer.
bool IsLineTypeName(std::string_view text);
// A size in points that Word can show: a plain decimal number from 1 to 1638.
bool IsFontSizeText(std::string_view text);
// A face name as the font lists hold one: at most 31 characters, none of them a control character.
bool IsFaceName(std::string_view text);

// Bounds every single setting and record of section Main and the two outline levels (month 2
// to 5, date 3 to 6 and below the month).
void BoundLoadedSettings(OutlineLevelTexts& levels);
// Bounds every cell of the class rows, whose numbers become their places.
void BoundLoadedClasses(ClassListModel& rows);
