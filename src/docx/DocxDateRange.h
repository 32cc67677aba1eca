#pragma once
// The days of one run: from firstDay of firstMonth through lastDay of lastMonth (months 1..12),
// handed to the calendars and the body so that no writer reads the settings during a run.

struct DocxDateRange {
    int firstMonth = 1;
    int lastMonth = 12;
    int firstDay = 1;
    int lastDay = 31;
};
