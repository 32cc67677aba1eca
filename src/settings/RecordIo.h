#pragma once
// Readers and writers of the settings records in one section of a configuration file,
// each in the key order the file keeps. A missing file reads as all keys empty.
// Every writer returns true when all of its keys were written.

void LoadDateTableSettings(const char* file, const char* section);
void LoadTextTableSettings(const char* file, const char* section);
void LoadAddTextSettings(const char* file, const char* section);
void LoadDayCaptionSettings(const char* file, const char* section);
void LoadCalendarStyle(const char* file, const char* section);
void LoadMonthCalendarSettings(const char* file, const char* section);
void LoadYearPlannerSettings(const char* file, const char* section);

bool SaveDateTableSettings(const char* file, const char* section);
bool SaveTextTableSettings(const char* file, const char* section);
bool SaveAddTextSettings(const char* file, const char* section);
bool SaveDayCaptionSettings(const char* file, const char* section);
bool SaveCalendarStyle(const char* file, const char* section);
bool SaveMonthCalendarSettings(const char* file, const char* section);
bool SaveYearPlannerSettings(const char* file, const char* section);
