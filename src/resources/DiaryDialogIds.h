#pragma once
// Control ids of the diary class dialog (280), its pickers (245, 256) and the class table
// style dialog (217). Several numbers repeat ids of other dialogs; each dialog has its own.

#include "platform/ui/WinDef.h"

// Shared by the four dialogs.
constexpr int IDC_DIARY_OK = 1196;
constexpr int IDC_DIARY_CANCEL = 1000;

// Dialog 280: the title.
constexpr int IDC_CLASS_GROUP_TITLE = 1410;
constexpr int IDC_CLASS_TITLE_FLAG = 1114;
constexpr int IDC_CLASS_TITLE = 1007;
constexpr int IDC_CLASS_TITLE_FONT = 1195;
constexpr int IDC_CLASS_TITLE_SIZE = 1100;
constexpr int IDC_CLASS_TITLE_COLOUR = 1012;
constexpr int IDC_CLASS_TITLE_BOLD = 1408;
constexpr int IDC_CLASS_TITLE_ITALIC = 1027;
constexpr int IDC_CLASS_TITLE_BACK_FLAG = 1111;
constexpr int IDC_CLASS_TITLE_BACK = 1009;
// Dialog 280: the lines.
constexpr int IDC_CLASS_GROUP_LINES = 1411;
constexpr int IDC_CLASS_LINE_COUNT = 1101;
constexpr int IDC_CLASS_GROUP_LINE_FONT = 1415;
constexpr int IDC_CLASS_LINE_FONT = 1194;
constexpr int IDC_CLASS_LINE_SIZE = 1108;
constexpr int IDC_CLASS_LINE_COLOUR = 1016;
constexpr int IDC_CLASS_LINE_BOLD = 1020;
constexpr int IDC_CLASS_LINE_ITALIC = 1025;
constexpr int IDC_CLASS_LINE_UNDERLINE = 1024;
constexpr int IDC_CLASS_LINE_STRIKE = 1199;
constexpr int IDC_CLASS_TEXT_BACK_FLAG = 1022;
constexpr int IDC_CLASS_TEXT_BACK = 1008;
constexpr int IDC_CLASS_LINE_BACK_FLAG = 1110;
constexpr int IDC_CLASS_LINE_BACK = 1006;
constexpr int IDC_CLASS_SNAP_TO_GRID = 1023;
// Dialog 280: before each line, the table and the text added to every line.
constexpr int IDC_CLASS_GROUP_BEFORE = 1412;
constexpr int IDC_CLASS_NUMBERS = 1030;
constexpr int IDC_CLASS_SYMBOL_FLAG = 1032;
constexpr int IDC_CLASS_SYMBOL_BUTTON = 1031;
constexpr int IDC_CLASS_GROUP_TABLE = 1414;
constexpr int IDC_CLASS_LETTER_PAPER = 1198;
constexpr int IDC_CLASS_TABLE = 1029;
constexpr int IDC_CLASS_TABLE_BUTTON = 1028;
constexpr int IDC_CLASS_GROUP_PREFIX = 1413;
constexpr int IDC_CLASS_PREFIX = 1010;
constexpr int IDC_CLASS_PREFIX_BOLD = 1416;
constexpr int IDC_CLASS_PREFIX_ITALIC = 1026;
constexpr int IDC_CLASS_PREFIX_COLOUR = 1417;
constexpr int IDC_CLASS_SIGN_FLAG = 1034;
constexpr int IDC_CLASS_SIGN_BUTTON = 1033;
constexpr int IDC_CLASS_BLANK_ROW = 1203;
// Dialog 280: the sample.
constexpr int IDC_CLASS_GROUP_SAMPLE = 1409;
constexpr int IDC_CLASS_SAMPLE_FRAME = 1426;
constexpr int IDC_CLASS_SAMPLE_TITLE = 1407;
constexpr int IDC_CLASS_SAMPLE_LINE = 1418;
constexpr int IDC_CLASS_SAMPLE_PREFIX = 1115;
constexpr int IDC_CLASS_SAMPLE_NUMBER = 1118;
constexpr int IDC_CLASS_SAMPLE_MORE = 1119;
constexpr int IDC_CLASS_SAMPLE_SYMBOL = 1423;
constexpr int IDC_CLASS_SAMPLE_SIGN = 1424;
constexpr int IDC_CLASS_DEFAULT = 1175;
constexpr int IDC_CLASS_REFRESH = 1035;
