#pragma once
// The records the main window builds for a generation run: one per diary class, and the
// heading format of the daily page. Plain values; texts are owned copies.

#include "platform/CString.h"
#include "platform/WinTypes.h"

// The table look of one diary class.
struct ClassTableSettings {
    CString line_color = "8D826D";
    CString line_type = "dotted";
    BYTE bLineTop = 1;
    BYTE bLineBottom = 1;
    BYTE bLineLeft = 1;
    BYTE bLineRight = 1;
    BYTE bLineMiddle = 1;
    CString line_table_bk_color;    // odd lines; empty = none
    CString line_table_bk_color2;   // even lines
    CString class_table_bk_color;   // title row
    BYTE bInsertACol = 0;

    bool operator==(const ClassTableSettings&) const = default;
};

// One diary class of the daily page. Font sizes are in points in a list row and in
// half-points in a record built for the generator.
struct DiaryClassRecord {
    CString COL_ID;
    BYTE COL_bCLASS_TITLE = 0;
    CString COL_CLASS_TITLE;
    BYTE COL_CLASS_FONT_BOLD = 0;
    CString COL_CLASS_FONT_COLOR;
    BYTE bCOL_CLASS_BK_COLOR = 0;
    CString COL_CLASS_BK_COLOR;
    CString COL_CLASS_FONT_NAME;
    CString COL_CLASS_FONT_SIZE;
    BYTE COL_CLASS_FONT_ITALIC = 0;
    int COL_LINE_COUNT = 0;
    CString COL_UNDONE_TEXT;
    BYTE COL_UNDONE_FONT_BOLD = 0;
    CString COL_UNDONE_TONT_COLOR;
    BYTE COL_LINE_FontItalicPre = 0;
    CString COL_LINE_TEXT_FONT_COLOR;
    CString COL_LINE_TEXT_FONT_SIZE;
    BYTE COL_LINE_TEXT_FONT_BOLD = 0;
    BYTE COL_bLINE_COLOR = 0;
    BYTE COL_LINE_bBACKGROUND_COLOR = 0;
    CString COL_LINE_COLOR;
    CString COL_LINE_FONT_NAME;
    CString COL_LINE_BACKGROUND_COLOR;
    BYTE COL_LINE_SnapToGrid = 0;
    BYTE COL_LINE_Underline = 0;
    BYTE COL_LINE_ClassTable = 0;
    BYTE COL_LINE_DeleteLine = 0;
    BYTE COL_LINE_FontItalic = 0;
    BYTE bTable = 0;
    ClassTableSettings classTable;
    BYTE COL_ItemNumber = 0;
    BYTE COL_bItemSpecial = 0;
    int COL_ItemSpecial = -1;
    BYTE COL_bSpecialSign = 0;
    int COL_SpecialSign = -1;
    CString COL_SpecialSign_Color;
    BYTE SpaceRow_ForEveryClass = 0;

    bool operator==(const DiaryClassRecord&) const = default;
};

// The heading format of the daily page for one run. Sizes in half-points, colours as six
// hexadecimal digits.
struct DiaryPageFormat {
    BYTE Months_FontItalic = 0;
    CString Months_FontName;
    CString Months_FontSize;
    CString Months_FontColor;
    BYTE Months_FontBold = 0;
    CString Months_Grade;           // outline level of the month heading
    CString Days_FontSize;
    CString Days_FontColor;
    BYTE Days_FontBold = 0;
    BYTE Days_Underline = 0;
    CString Days_Grade;             // outline level of the date heading
    CString QuarterText;
    CString Days_BackGround;        // empty when the date heading has no background
    BYTE Days_FontItalic = 0;
    CString Days_FontName;
    CString UncheckedWeekFontColor;
    BYTE UncheckedWeekFontBold = 0;
    BYTE UncheckedWeekFontItalic = 0;
    BYTE UncheckedWeekFontDelLine = 0;
    BYTE Page_Breaks = 0;
    BYTE AddABlankLineBeforeClass = 0;
    BYTE CalendarFormat2Bit = 0;

    bool operator==(const DiaryPageFormat&) const = default;
};
