#pragma once
// Ids of the program's dialogs, controls, commands and icons.

#include "platform/ui/WinDef.h"

// Statics that nothing refers to.
constexpr int IDC_STATIC = -1;

// Dialogs.
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_WELCOME = 102;
constexpr UINT IDD_FORM_SETWORD = 129;
constexpr UINT IDD_SAVE_CONFIG = 214;
constexpr UINT IDD_SELECT_CONFIG = 215;
constexpr UINT IDD_SAVE_CONFIRM = 271;
constexpr UINT IDD_PROGRESS = 178;
constexpr UINT IDD_CONGRATULATION = 262;
constexpr UINT IDD_SET_MONTH = 131;
constexpr UINT IDD_ADD_DATE_FORMAT = 293;

// Menus.
constexpr UINT IDR_RIGHT_DATE_FORMAT = 294;
constexpr UINT IDD_TABLE_STYLE = 217;
constexpr UINT IDD_ITEM_SPECIAL = 245;
constexpr UINT IDD_SPECIAL_SIGN = 256;
constexpr UINT IDD_DAILY_DIARY = 280;
constexpr UINT IDD_TABLE_ALINE = 259;
constexpr UINT IDD_MONTH_FONT = 264;
constexpr UINT IDD_SAME_SETTING = 290;
constexpr UINT IDD_DATE_FONT = 265;
constexpr UINT IDD_ADD_TEXT = 257;
constexpr UINT IDD_ADD_TEXT_EDIT = 258;
constexpr UINT IDD_YEAR_CALENDAR = 266;
constexpr UINT IDD_YEAR_PLANNER = 282;
constexpr UINT IDD_MONTH_CALENDAR = 274;
constexpr UINT IDD_YEAR_CALENDAR_EXAMPLE = 292;
constexpr UINT IDD_SAMPLE_DAILY_DIARY = 298;
constexpr UINT IDD_SAMPLE_MONTHLY_CALENDAR = 297;
constexpr UINT IDD_SAMPLE_PLANNER = 295;
constexpr UINT IDD_SAMPLE_YEARLY_CALENDAR = 299;

// Sample pictures of the sample dialogs, files under config/pic/samples named by their id.
constexpr UINT IDB_SAMPLE_DAILY_DIARY = 302;
constexpr UINT IDB_SAMPLE_MONTHLY_CALENDAR = 304;
constexpr UINT IDB_SAMPLE_PLANNER = 296;
constexpr UINT IDB_SAMPLE_YEARLY_CALENDAR = 300;
constexpr UINT IDB_MONTH_CALENDAR_EXAMPLE = 277;   // the small example inside dialog 274

// Pictures on and beside the font-style and border check boxes, files under config/pic/styles
// named by their id.
constexpr UINT IDB_STYLE_BOLD = 231;
constexpr UINT IDB_STYLE_ITALIC = 237;
constexpr UINT IDB_STYLE_STRIKE_OUT = 232;
constexpr UINT IDB_STYLE_UNDERLINE = 233;
constexpr UINT IDB_BORDER_TOP = 234;
constexpr UINT IDB_BORDER_INNER = 235;
constexpr UINT IDB_BORDER_BOTTOM = 236;

// Icons, pictures, strings and the system menu's own command.
constexpr UINT IDI_MAINFRAME = 185;
constexpr UINT IDB_ABOUT = 291;
constexpr UINT IDI_ITEM_SYMBOL = 255;
constexpr UINT IDI_TABLE_STYLE = 226;
constexpr UINT IDS_ABOUTBOX = 101;
constexpr UINT IDM_ABOUTBOX = 0x0010;

// Main window: date range and headings.
constexpr int IDC_GROUP_DATES = 1420;
constexpr int IDC_STATIC_START = 1147;
constexpr int IDC_STATIC_END = 1146;
constexpr int IDC_LABEL_START = 1143;
constexpr int IDC_LABEL_END = 1144;
constexpr int IDC_LABEL_DAYCOUNT = 1145;
constexpr int IDC_LABEL_MONTH_SAMPLE = 1099;
constexpr int IDC_LABEL_DATE_SAMPLE = 1105;
constexpr int IDC_BUTTON_MONTH_FORMAT = 1155;
constexpr int IDC_BUTTON_DATE_FORMAT = 1156;
constexpr int IDC_COMBO_MONTH_LEVEL = 1102;
constexpr int IDC_COMBO_DATE_LEVEL = 1104;
constexpr int IDC_EDIT_TITLE = 1185;
constexpr int IDC_CHECK_ADD_DATE = 1116;

// Main window: the diary part, its preview and the class list.
constexpr int IDC_GROUP_DIARY = 1171;
constexpr int IDC_GROUP_PREVIEW = 1421;
constexpr int IDC_PREVIEW_AREA = 1426;
constexpr int IDC_PREVIEW_ITEM_SYMBOL = 1423;
constexpr int IDC_PREVIEW_SIGN = 1424;
constexpr int IDC_PREVIEW_TITLE = 1107;
constexpr int IDC_PREVIEW_NUMBER = 1118;
constexpr int IDC_PREVIEW_PREFIX = 1114;
constexpr int IDC_PREVIEW_LINE = 1113;
constexpr int IDC_PREVIEW_NOTE = 1119;
constexpr int IDC_LIST_CLASSES = 1078;
constexpr int IDC_BUTTON_ADD = 1087;
constexpr int IDC_BUTTON_EDIT = 1190;
constexpr int IDC_BUTTON_DELETE = 1088;
constexpr int IDC_BUTTON_MOVE_UP = 1089;
constexpr int IDC_BUTTON_MOVE_DOWN = 1093;
constexpr int IDC_BUTTON_REFRESH_PREVIEW = 1003;
constexpr int IDC_CHECK_ALL_COLUMNS = 1117;
constexpr int IDC_BUTTON_SAME_FORMAT = 1179;
constexpr int IDC_BUTTON_VIEW_EXAMPLE = 1197;

// Main window: output.
constexpr int IDC_EDIT_OUT_FOLDER = 1085;
constexpr int IDC_BUTTON_CHOOSE_PATH = 1460;
constexpr int IDC_BUTTON_DEFAULT_PATH = 1461;
constexpr int IDC_BUTTON_OPEN_FOLDER = 1090;
constexpr int IDC_EDIT_OUT_FILE = 1086;
constexpr int IDC_BUTTON_OPEN_FILE = 1092;
constexpr int IDC_BUTTON_GENERATE = 1122;

// Toolbar commands, in button order.
constexpr UINT ID_TOOLBAR_NEW = 32783;
constexpr UINT ID_TOOLBAR_OPEN = 32778;
constexpr UINT ID_TOOLBAR_DATES = 32793;
constexpr UINT ID_TOOLBAR_YEAR_CALENDAR = 32772;
constexpr UINT ID_TOOLBAR_MONTH_CALENDAR = 32773;
constexpr UINT ID_TOOLBAR_YEAR_PLANNER = 32774;
constexpr UINT ID_TOOLBAR_HELP = 32823;
constexpr UINT ID_TOOLBAR_ABOUT = 32806;
constexpr UINT ID_TOOLBAR_SAVE = 32835;
constexpr UINT ID_TOOLBAR_EXIT = 32811;
constexpr UINT ID_TOOLBAR_SAVE_EXIT = 32771;

// Configuration dialogs 214, 215 and 271.
constexpr int IDC_CONFIG_PATH = 1180;
constexpr int IDC_CONFIG_LIST = 1152;
constexpr int IDC_SAVE_CHOOSE_FILE = 1087;
constexpr int IDC_SAVE_DELETE = 1079;
constexpr int IDC_SELECT_CHOOSE_FILE = 1183;
constexpr int IDC_SELECT_DELETE = 1184;
constexpr int IDC_CONFIG_OK = 1153;
constexpr int IDC_CONFIG_CANCEL = 1154;
constexpr int IDC_CONFIRM_GENERATE = 1300;
constexpr int IDC_CONFIRM_SAVE_FIRST = 1301;
constexpr int IDC_CONFIRM_CANCEL = 1153;

// Welcome dialog 102 and About dialog 100.
constexpr int IDC_START_PICTURE = 1164;
constexpr int IDC_RADIO_PICTURE_1 = 1156;
constexpr int IDC_RADIO_PICTURE_5 = 1160;
constexpr int IDC_CHECK_NO_SHOW = 1177;
constexpr int IDC_BUTTON_ABOUT = 1077;
constexpr int IDC_BUTTON_NEXT = 1000;
constexpr int IDC_WELCOME_NOTE = 1107;
constexpr int IDC_ABOUT_PICTURE = 1231;
constexpr int IDC_ABOUT_VERSION = 1192;
constexpr int IDC_ABOUT_TIP = 1228;
constexpr int IDC_ABOUT_LINK = 1170;
// Progress window 178 and success dialog 262.
constexpr int IDC_PROGRESS_WAIT_TEXT = 1043;
constexpr int IDC_PROGRESS_PERCENT = 1061;
constexpr int IDC_PROGRESS_BAR = 1039;
constexpr int IDC_PROGRESS_OK = 1008;
constexpr int IDC_CONGRATS_TIP = 1271;
constexpr int IDC_CONGRATS_DONE = 1269;
constexpr int IDC_CONGRATS_FILE_IS = 1270;
constexpr int IDC_CONGRATS_PATH = 1268;
constexpr int IDC_CONGRATS_CLOSE = 1196;
constexpr int IDC_CONGRATS_OPEN_FOLDER = 1154;
constexpr int IDC_CONGRATS_OPEN_FILE = 1120;
