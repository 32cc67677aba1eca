#pragma once
// Why the main window will not take the design a file holds, in the words the user is told.

#include "platform/CString.h"

#include <string>

// What a file that is not there stands for: a design with every key missing (the start's), or a
// failure (a file just chosen to open).
enum class MissingDesign { ReadsAsEmpty, Refused };

// The message telling why the file gives no design: too large, no INI text, unreadable or missing
// (with the system's reason), or reached through a link someone else could have put there, which
// reads as no file and so would have opened an empty design under its name. Empty when the design
// may be taken.
std::string DesignRefusal(const CString& path, MissingDesign missing);
