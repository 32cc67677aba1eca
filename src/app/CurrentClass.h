#pragma once
// The diary class being added or edited, as the class dialog reads and writes it, and its table
// look; and the moves between them and a row of the class list.

#include "settings/ClassListModel.h"
#include "settings/DiaryRecords.h"

extern DiaryClassRecord g_currentClass;   // font sizes in points; its table look is g_classTable
extern ClassTableSettings g_classTable;
extern BYTE g_bAddClass;                  // 1 while the class dialog adds a class, 0 while it edits one
extern BYTE g_bItemNumberAllowed;         // whether the class in the dialog may number its lines
// The item symbol (1 to 21), special sign (1 to 28) and sign colour of the class shown or
// edited; -1 before any class was shown.
extern int g_nItemSpecial;
extern int g_nSpecialSign;
extern CString g_strSpecialSignColor;

// The class dialog's starting values: white colours, Tahoma, 11 points, no texts.
void AllocSettingBuffers();
void ResetTableLineDefaults();

// Every cell but the number and the table look into g_currentClass, sizes staying in points.
void LoadClassRowToGlobals(const ClassListRow& row);
// g_currentClass and g_classTable into every cell but the number; an empty table line type
// means the table look was never set, so it starts from its defaults.
void StoreGlobalsToClassRow(ClassListRow& row);
// The greatest number in the first column; 0 for no rows.
int GetMaxColumnNumber(const ClassListModel& rows);
// A new last row from g_currentClass, numbered one above the greatest number.
void AppendClassRow(ClassListModel& rows);
