#pragma once
// Section Main of a configuration file: every single setting and every settings record.
// The window-bound steps around a load or a save (showing the title, the outline-level boxes,
// the samples) belong to the main window; these functions move values only.

#include "platform/CString.h"

inline constexpr const char* kMainSection = "Main";

// The texts of the main window's two outline-level boxes, the only values of section Main
// that are kept in controls rather than in settings.
struct OutlineLevelTexts {
    CString month;
    CString day;
};

// Date range, formats, captions, title, weekday filter, then the added-text record.
void LoadDateSettings(const char* file);
// Heading fonts and switches, the caption styles, then the calendar, planner and table
// records. Returns the outline levels as read, for the two boxes.
OutlineLevelTexts LoadMainSettings(const char* file);
// Writes section Main in the order the file keeps; empty box texts are written as "2" and "3".
// True when every key was written.
bool SaveMainSettings(const char* file, const OutlineLevelTexts& boxes);

// A stored day past its month's end (31 April, 29 February in a common year) counts as the
// month's last day. A stored date range that then names no real span of one year (month 13,
// day 40, an end before its start) is taken as not set: all four values become 0, which every
// counter reads as no days.
void NormaliseDateRange(int year);
// Whether the four values name such a span; a range that is not set shows no dates.
bool IsDateRangeSet();
