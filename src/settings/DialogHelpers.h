#pragma once
// Small conversions that the main window and the settings dialogs share: colour texts,
// border names, digit tests and trimming. None needs a window.

#include "platform/CString.h"
#include "platform/PenStyles.h"
#include "platform/WinTypes.h"

// The ground of every preview, and the colour of a line that is switched off.
inline constexpr COLORREF kWhite = RGB(255, 255, 255);

// Six hexadecimal digits, red first, to a colour value; an empty text counts as "000000" and
// reading stops at the first character that is not a hexadecimal digit.
COLORREF HexToColor(const CString& text);
// As HexToColor, but an empty text is white (no background).
COLORREF HexToColorOrWhite(const CString& text);
// A colour value to six upper-case hexadecimal digits, red first.
CString ColorToHex(COLORREF colour);
// The first, middle and last two characters, each read as a hexadecimal byte.
COLORREF ParseHexColor(const CString& text);

// Special signs are numbered 1 to 28; a class stores -1 for none.
inline constexpr int kSpecialSigns = 28;
constexpr bool IsSpecialSign(int number)
{
    return number >= 1 && number <= kSpecialSigns;
}

// The pen style (PS_...) with which previews draw a border name.
int LineTypeToIndex(const CString& lineType);

// TRUE when every byte is a decimal digit (an empty text too).
BOOL IsNumericString(const char* text);
CString TrimString(const CString& text);
// "Y" when the flag is 1, "N" for any other value.
CString BoolToYesNo(int flag);

// The note on the further lines of a class: "2),3),4)..." with numbers, "And 3 lines..."
// without, nothing for a single line.
CString MoreLinesText(int lineCount, bool numbered);
