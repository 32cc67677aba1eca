#pragma once
// Whether the design's date range holds a day that gets a diary page.

// True when some day of the range falls on a ticked weekday. A range that is not set, or
// whose weekdays are all unticked, makes no diary worth writing.
bool RangeHasDiaryDay(int year);
