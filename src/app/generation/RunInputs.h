#pragma once
// The inputs of one generation run, gathered from the settings and the class list into one
// snapshot before the run starts.

#include "docx/DocxRunDesign.h"
#include "settings/ClassListModel.h"
#include "settings/MainSettings.h"

// The title as the document shows it: the title and a blank, then, when asked, the date in the
// day format and the time in brackets.
std::string BuildDocumentTitle(const CString& title, BYTE addDateAndTime);

// The quarters of the first and the last month of the range (1 and 4 for a month that is none);
// 0 and 4, the whole year, when all months are to be shown.
int ComputeFirstQuarter();
int ComputeLastQuarter();

// Everything the run writes. On the way it settles what the windows would: an empty month
// format becomes "%B %Y", empty heading fonts "Tahoma", the added-text switch goes off when its
// file is not there, and the added-text size is also kept in half-points. A motto file that is
// there but cannot be read whole gives no motto, and its reason (EFBIG: too large) goes to
// mottoError when given, else 0.
DocxRunDesign BuildRunDesign(const ClassListModel& rows, const OutlineLevelTexts& levels, int* mottoError = nullptr);
