#pragma once
// Date arithmetic and date formatting for the main window and the settings dialogs, with a
// few path and shell helpers. Stateless: build one around each use. Dates given as month and
// day mean that day of the current year; all times are local.

#include "platform/CString.h"
#include "platform/Shell.h"
#include "platform/WinTypes.h"

class CDateTimeOper {
public:
    CDateTimeOper() = default;
    virtual ~CDateTimeOper() = default;

    int GetCurrentYear() const;
    // Days from the first date to the second, both included; 0 when any number is 0 or the
    // second date lies before the first.
    int GetDaysBetween(int year1, int year2, int month1, int month2, int day1, int day2) const;
    // The same days, less those whose weekday flag (index 0 = Sunday) is 0.
    int GetDaysBetweenEx(int year1, int year2, int month1, int month2, int day1, int day2,
                         const BYTE weekdayFlags[7]) const;

    // Formatted dates take at most 49 or 199 bytes as stored (GB18030); a longer one is "".
    CString FormatNow(const char* pattern) const;                 // at most 49 bytes
    CString GetNowString(const char* pattern) const;              // at most 199 bytes
    CString GetNowString2(const char* pattern) const;             // at most 199 bytes
    CString FormatMonthDay(const char* pattern, int month, int day) const;   // at most 199 bytes
    CString FormatMonth(const char* pattern, int monthFromZero) const;       // at most 49 bytes
    // Now formatted, then text1 followed by "1" when text1 is not empty, then text2.
    CString FormatNowWithSuffix(const char* pattern, const char* text1, const char* text2) const;

    int GetDayOfYear(int month, int day) const;   // 1..366
    int GetWeekDay(int year, int month, int day) const;   // 1 = Monday .. 7 = Sunday

    CString GetCurrentDirPath(const char* name) const;
    CString JoinStrings(const CString& a, const CString& b) const;   // b followed by a
    CString GetFolderPart(const CString& path) const;                // before the last separator
    BOOL IsDigitString18(const char* text) const;

    // Nothing for an empty path. FALSE when no opener could be started; an opener that fails
    // later tells `failed` (platform::ShellOpen).
    BOOL OpenFolder(const CString& path, platform::ShellFailure failed = {}) const;
    BOOL ShellOpenPath(const CString& path, platform::ShellFailure failed = {}) const;
    void ShellOpenPathNoOwner(const CString& path) const;
};
