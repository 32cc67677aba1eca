#pragma once
// The designs of the shipped sample configurations, and one of hostile texts for the tests.
// Each one starts from what the program holds after loading an empty configuration, then sets
// what makes it what it is; written by the program's own save, so the files keep its layout.

#include "settings/ClassListModel.h"
#include "settings/MainSettings.h"

#include <string>
#include <vector>

struct SampleDesign {
    std::string file;   // relative to the program folder; "" for a design that is not shipped
    void (*apply)(ClassListModel& rows, OutlineLevelTexts& levels);
};

const std::vector<SampleDesign>& ShippedDesigns();
// Texts with every character that means something to XML, Chinese, a short range and every
// calendar and planner on.
const SampleDesign& HostileDesign();

// Puts the design into the settings and the rows.
void ApplyDesign(const SampleDesign& design, ClassListModel& rows, OutlineLevelTexts& levels);

// The motto file the samples use, relative to the program folder, and its lines.
inline constexpr const char* kMottoFile = "config/samples/motto.txt";
inline constexpr const char* kDateFormatFile = "config/date_format.ini";
const std::vector<std::string>& MottoLines();

// Writes every shipped configuration and the motto file below the program folder; false at the
// first file that could not be written.
bool WriteShippedSamples(const std::string& programFolder);
