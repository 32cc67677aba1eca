#pragma once
// Conversions between the cells of the class list and the diary class records.

#include "settings/ClassListModel.h"
#include "settings/DiaryRecords.h"

#include <vector>

// A size in points to half-points with one decimal ("11" gives "22.0", "10.5" gives "21.0");
// a text that is no number counts as 0.
CString FontSizeToHalfPoints(const CString& points);
// Back to points as the size list shows them ("22.0" gives "11", "21.0" gives "10.5").
CString HalfPointsToFontSize(const CString& halfPoints);
// TRUE exactly for "Y".
BOOL YesNoToBool(const CString& cell);

// Appends one record per row, in display order, as a generation run takes them: sizes in
// half-points, the lined-table flag cleared where the class is a table, and item numbers kept by
// the first five numbered classes only. The rows themselves are left as they are.
void ReadClassRecordsFromList(std::vector<DiaryClassRecord>& records, const ClassListModel& rows);

// Writes every field of the record into the row: sizes back in points, and the title and
// prefix cells coloured as the record says. The check state stays.
void SetListRowFromRecord(ClassListRow& row, const DiaryClassRecord& record);
