#pragma once
// Everything of a design that one generation run writes into the document, gathered before the
// run starts: the run reads this snapshot and never the windows.

#include "docx/DocxDateRange.h"
#include "platform/WinTypes.h"
#include "settings/DiaryRecords.h"
#include "settings/SettingsRecords.h"
#include "settings/TextLineRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// How a run ended. Anything but Done leaves a work folder that must not be packed.
enum class DocxRunStatus {
    Done,
    MissingPart,   // a part of the skeleton or a template text file cannot be read
    BrokenPart,    // a part lacks what the edits rely on
    WriteFailed,
    TooLarge,      // the document part would pass what a .docx can hold
};

struct DocxRunDesign {
    std::vector<DiaryClassRecord> classes;   // sizes in half-points, as the class list gives them
    DiaryPageFormat pageFormat;
    std::string title;
    DocxDateRange range;
    DayCaptionSettings captions;
    std::vector<TextLineRecord> textLines;   // the motto lines, one per ticked day
    AddTextSettings addText;                 // FontSizeCopy holds the size in half-points
    TableLineSettings dateTable;
    TableLineSettings textTable;
    CalendarStyle calendarStyle;
    BYTE monthUpper = 0;
    MonthCalendarSettings monthCalendar;
    // The year the diary is made for: the clock is read once, as the design is gathered, so a
    // run that crosses midnight of 31 December keeps to one year.
    int year = 0;
    YearPlannerSettings yearPlanner;
    // Quarters 1..4 of the yearly calendar; 0 and 4 show the whole year.
    int nFirstQuarter = 0;
    int nLastQuarter = 4;
    // The most bytes the document part may hold: what the zip records count in 32 bits. Tests
    // lower it, to reach it without writing 4 GiB.
    std::uint64_t maxDocumentPartBytes = 0xFFFFFFFFu;
};
