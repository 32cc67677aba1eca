#pragma once
// The diary classes as the main window's class list holds them, free of any window: one row per
// class in display order, 47 text cells per row. The list control shows this model; the class
// sections of a configuration file and the records of a generation run are made from it.

#include "platform/CString.h"
#include "platform/WinTypes.h"

#include <array>
#include <vector>

// The cells of a row, in column order. A flag cell holds "Y" or "N"; a size cell the size in
// points as the size list shows it ("11", "10.5"); a colour cell six hexadecimal digits or "".
enum ClassColumn : int {
    kCellId,
    kCellTitleFlag,
    kCellTitle,
    kCellClassFontName,
    kCellClassFontSize,
    kCellClassFontColor,
    kCellClassBold,
    kCellClassItalic,
    kCellLinedTable,
    kCellTable,
    kCellClassBackFlag,
    kCellClassBackColor,
    kCellLineCount,
    kCellLineBackFlag,
    kCellLineBackColor,
    kCellLineColorFlag,
    kCellLineColor,
    kCellUndoneText,
    kCellUndoneColor,
    kCellUndoneBold,
    kCellUndoneItalic,
    kCellLineFontName,
    kCellLineFontSize,
    kCellLineTextColor,
    kCellLineBold,
    kCellLineItalic,
    kCellUnderline,
    kCellStrike,
    kCellSnapToGrid,
    kCellTableLineColor,
    kCellTableLineType,
    kCellTableTop,
    kCellTableBottom,
    kCellTableLeft,
    kCellTableRight,
    kCellTableMiddle,
    kCellTitleRowBack,
    kCellOddRowBack,
    kCellEvenRowBack,
    kCellInsertColumn,
    kCellItemNumber,
    kCellItemSpecialFlag,
    kCellItemSpecial,
    kCellSignFlag,
    kCellSign,
    kCellSignColor,
    kCellBlankRow,
    kClassColumns
};

// The list holds at most this many classes; the configuration file as many sections.
inline constexpr int kMaxClasses = 30;
// Only the first classes with item numbers, in display order, keep them.
inline constexpr int kMostNumberedClasses = 5;

struct ClassListRow {
    std::array<CString, kClassColumns> cells;
    bool checked = false;
    COLORREF titleColor = 0;    // text colour of the title cell
    COLORREF undoneColor = 0;   // text colour of the line-prefix cell
};

using ClassListModel = std::vector<ClassListRow>;
