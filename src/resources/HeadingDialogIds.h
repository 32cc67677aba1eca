#pragma once
// Control ids of the heading dialogs: the one-line table style (259), the month heading (264)
// and same-format (290) twins, the date heading (265), the text lines (257) and their detail
// (258). Several numbers repeat ids of other dialogs; each dialog has its own.

#include "resources/DiaryDialogIds.h"

// The font group that 264, 290, 265 and 257 share.
constexpr int IDC_HEADING_FONT = 1250;
constexpr int IDC_HEADING_SIZE = 1251;
constexpr int IDC_HEADING_COLOUR = 1093;
constexpr int IDC_HEADING_BOLD = 1253;
constexpr int IDC_HEADING_ITALIC = 1255;
constexpr int IDC_HEADING_UNDERLINE = 1024;
constexpr int IDC_HEADING_CANCEL = 1153;

// Dialog 259: the box round a heading.
constexpr int IDC_LINE_TABLE_TYPES = 1207;
constexpr int IDC_LINE_TABLE_COLOUR = 1262;
constexpr int IDC_LINE_TABLE_TOP = 1215;
constexpr int IDC_LINE_TABLE_BOTTOM = 1206;
constexpr int IDC_LINE_TABLE_LEFT = 1208;
constexpr int IDC_LINE_TABLE_RIGHT = 1209;
constexpr int IDC_LINE_TABLE_BACK_FLAG = 1264;
constexpr int IDC_LINE_TABLE_BACK = 1263;
constexpr int IDC_LINE_TABLE_FRAME = 1227;
constexpr int IDC_LINE_TABLE_SAMPLE = 1265;
constexpr int IDC_LINE_TABLE_NOTE = 1266;

// Dialogs 264 and 290.
constexpr int IDC_MONTH_FONT_SAMPLE = 1271;
constexpr int IDC_MONTH_FONT_GROUP = 1381;
constexpr int IDC_SAME_FORMAT_SAMPLE = 1463;
constexpr int IDC_SAME_FORMAT_GROUP = 1462;

// Dialog 265.
constexpr int IDC_DATE_FONT_GROUP = 1380;
constexpr int IDC_DATE_FONT_SAMPLE = 1276;
constexpr int IDC_DATE_BACK_FLAG = 1277;
constexpr int IDC_DATE_BACK = 1272;
constexpr int IDC_DATE_BLANK_LINE = 1204;
constexpr int IDC_DATE_TABLE = 1274;
constexpr int IDC_DATE_TABLE_BUTTON = 1275;
constexpr int IDC_DATE_PAGE_BREAKS = 1118;
constexpr int IDC_DATE_MOTTO = 1036;
constexpr int IDC_DATE_MOTTO_BUTTON = 1035;
constexpr int IDC_DATE_MOTTO_PATH = 1279;

// Dialog 257.
constexpr int IDC_TEXT_CHOOSE_FILE = 1087;
constexpr int IDC_TEXT_PATH = 1238;
constexpr int IDC_TEXT_OPEN_FILE = 1153;
constexpr int IDC_TEXT_OPEN_FOLDER = 1154;
constexpr int IDC_TEXT_BACK_FLAG = 1256;
constexpr int IDC_TEXT_BACK = 1252;
constexpr int IDC_TEXT_TABLE = 1039;
constexpr int IDC_TEXT_TABLE_BUTTON = 1038;
constexpr int IDC_TEXT_LINE_COUNT = 1249;
constexpr int IDC_TEXT_LOOP = 1240;
constexpr int IDC_TEXT_PREVIEW = 1257;
constexpr int IDC_TEXT_LINES = 1152;
constexpr int IDC_TEXT_DETAIL = 1190;
constexpr int IDC_TEXT_DELETE = 1079;
constexpr int IDC_TEXT_DELETE_ALL = 1198;
constexpr int IDC_TEXT_SAVE = 1199;
constexpr int IDC_TEXT_OK = 1200;
constexpr int IDC_TEXT_CANCEL = 1248;

// Dialog 258.
constexpr int IDC_TEXT_DETAIL_NUMBER = 1259;
constexpr int IDC_TEXT_DETAIL_TEXT = 1238;
constexpr int IDC_TEXT_DETAIL_CLOSE = 1258;
