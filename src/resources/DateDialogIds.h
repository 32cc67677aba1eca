#pragma once
// Control ids of the date range dialog (131), the add-date-format dialog (293) and the format
// list's context menu (294).

#include "platform/ui/WinDef.h"

// Dialog 131: the range.
constexpr int IDC_SM_START_MONTH = 1137;
constexpr int IDC_SM_START_DAY = 1140;
constexpr int IDC_SM_END_MONTH = 1138;
constexpr int IDC_SM_END_DAY = 1139;
constexpr int IDC_SM_TOMORROW = 1089;
constexpr int IDC_SM_YEAR_END = 1090;
constexpr int IDC_SM_DAY_COUNT = 1014;
constexpr int IDC_SM_COUNT_DAYS = 1091;
constexpr int IDC_SM_SUNDAY = 1118;
constexpr int IDC_SM_MONDAY = 1119;
constexpr int IDC_SM_TUESDAY = 1128;
constexpr int IDC_SM_WEDNESDAY = 1121;
constexpr int IDC_SM_THURSDAY = 1122;
constexpr int IDC_SM_FRIDAY = 1123;
constexpr int IDC_SM_SATURDAY = 1124;
constexpr int IDC_SM_WEEKDAY_DEFAULT = 1092;
constexpr int IDC_SM_UNTICKED_BOLD = 1200;
constexpr int IDC_SM_UNTICKED_ITALIC = 1201;
constexpr int IDC_SM_UNTICKED_STRIKE = 1202;
constexpr int IDC_SM_UNTICKED_COLOUR = 1093;
constexpr int IDC_SM_COUNT_LABEL = 1144;
constexpr int IDC_SM_STATUS = 1142;
constexpr int IDC_SM_START_LABEL = 1145;
constexpr int IDC_SM_END_LABEL = 1155;
constexpr int IDC_SM_START_CAPTION = 1147;
constexpr int IDC_SM_END_CAPTION = 1146;
constexpr int IDC_SM_YEAR = 1143;
constexpr int IDC_SM_OK = 1000;
constexpr int IDC_SM_CANCEL = 1153;
constexpr int IDC_SM_DEFAULTS = 1141;
constexpr int IDC_SM_GROUP_RANGE = 1381;
constexpr int IDC_SM_GROUP_WEEKDAYS = 1382;
constexpr int IDC_SM_GROUP_MONTH_FORMAT = 1383;
constexpr int IDC_SM_GROUP_CAPTIONS = 1404;
constexpr int IDC_SM_GROUP_STYLE = 1403;

// Dialog 131: formats and captions.
constexpr int IDC_SM_MONTH_Y_M = 1110;        // "%Y-%m"
constexpr int IDC_SM_MONTH_ABBR = 1111;       // "%b %Y"
constexpr int IDC_SM_MONTH_M_Y = 1112;        // "%m-%Y"
constexpr int IDC_SM_MONTH_FULL = 1113;       // "%B %Y"
constexpr int IDC_SM_MONTH_CUSTOM = 1114;
constexpr int IDC_SM_CUSTOM_FORMAT = 1125;
constexpr int IDC_SM_PREVIEW_CUSTOM = 1087;
constexpr int IDC_SM_CUSTOM_PREVIEW = 1433;
constexpr int IDC_SM_MONTH_UPPER = 1240;
constexpr int IDC_SM_MONTH_PREVIEW = 1305;
constexpr int IDC_SM_QUARTER_TEXT = 1013;
constexpr int IDC_SM_REST_DAY = 1115;
constexpr int IDC_SM_REST_BEFORE = 1008;
constexpr int IDC_SM_REST_AFTER = 1011;
constexpr int IDC_SM_DAY_NUMBER = 1127;
constexpr int IDC_SM_NUMBER_BEFORE = 1010;
constexpr int IDC_SM_NUMBER_AFTER = 1012;
constexpr int IDC_SM_WEEKEND = 1126;
constexpr int IDC_SM_WEEKEND_TEXT = 1009;
constexpr int IDC_SM_WEEKLY_NUMBER = 1120;
constexpr int IDC_SM_TWO_DIGITS = 1129;
constexpr int IDC_SM_OWN_STYLE = 1206;
constexpr int IDC_SM_TEXT_BOLD = 1211;
constexpr int IDC_SM_TEXT_ITALIC = 1212;
constexpr int IDC_SM_TEXT_COLOUR = 1097;
constexpr int IDC_SM_REST_NUMBER_BOLD = 1209;
constexpr int IDC_SM_REST_NUMBER_ITALIC = 1210;
constexpr int IDC_SM_REST_NUMBER_COLOUR = 1096;
constexpr int IDC_SM_DAY_NUMBER_BOLD = 1207;
constexpr int IDC_SM_DAY_NUMBER_ITALIC = 1208;
constexpr int IDC_SM_DAY_NUMBER_COLOUR = 1095;
constexpr int IDC_SM_PREVIEW_REST_BEFORE = 1150;
constexpr int IDC_SM_PREVIEW_REST_AFTER = 1151;
constexpr int IDC_SM_PREVIEW_NUMBER_BEFORE = 1152;
constexpr int IDC_SM_PREVIEW_NUMBER_AFTER = 1156;
constexpr int IDC_SM_PREVIEW_WEEKEND = 1157;
constexpr int IDC_SM_PREVIEW_REST_NUMBER = 1246;
constexpr int IDC_SM_PREVIEW_DAY_NUMBER = 1247;
constexpr int IDC_SM_MARK_REST_BEFORE = 1242;
constexpr int IDC_SM_MARK_REST_AFTER = 1243;
constexpr int IDC_SM_MARK_NUMBER_BEFORE = 1244;
constexpr int IDC_SM_MARK_NUMBER_AFTER = 1245;

// Dialog 131: the format list.
constexpr int IDC_SM_FORMAT_LIST = 1154;
constexpr int IDC_SM_ADD_FORMAT = 1001;

// Dialog 293.
constexpr int IDC_ADF_SAMPLES = 1207;
constexpr int IDC_ADF_PATTERN = 1008;
constexpr int IDC_ADF_EXAMPLE = 1471;
constexpr int IDC_ADF_OK = 1196;
constexpr int IDC_ADF_CANCEL = 1153;

// Menu 294 "Right_DateFormat".
constexpr UINT ID_DATE_FORMAT_DELETE = 32775;
