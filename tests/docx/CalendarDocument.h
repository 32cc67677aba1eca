#pragma once
// A document around one body text, assembled in a copy of the skeleton package the way a run
// assembles it, for the calendar and planner writers' validity tests.

#include "settings/SettingsRecords.h"

#include <cstddef>
#include <string>

class TempFolder;

namespace calendardoc {

// Revision ids the calendar tests write: rsidR, rsidRDefault, rsidP and the runs' rsidRPr.
inline const std::string kR1 = "00A1B2C3";
inline const std::string kR2 = "00D4E5F6";
inline const std::string kR3 = "00112233";
inline const std::string kR5 = "00445566";

// A calendar style with every colour set apart, a font, a month format and bold month titles.
CalendarStyle TestCalendarStyle();

// How often the needle stands in the text, without overlaps.
size_t Count(const std::string& text, const std::string& needle);

// The package folder of the document holding the body, made under the temporary folder.
std::string WritePackage(const TempFolder& folder, const std::string& body);

// "" when every part of the package is well-formed, else the first part's name and message.
std::string PartErrors(const std::string& package);

// Packs the package and returns the schema validator's findings ("[]" when there are none);
// "" when the validator is not installed.
std::string Findings(const TempFolder& folder, const std::string& package);

// Bookmark names started more or fewer times than once, ids not unique, starts without an end,
// names over 40 characters, and HYPERLINK targets that no bookmark holds; "" when none.
std::string BookmarkFaults(const std::string& xml);

} // namespace calendardoc
