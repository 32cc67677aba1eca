#pragma once
// Control ids of the yearly-calendar style dialog (266), the year planner dialog (282), the
// monthly-calendar dialog (274), the yearly-calendar preset picker (292) and the sample
// picture dialogs (298, 297, 295, 299).

// Shared by 266, 282 and 274.
constexpr int IDC_CAL_OK = 1196;
constexpr int IDC_CAL_CANCEL = 1153;
constexpr int IDC_CAL_FONT = 1250;
constexpr int IDC_CAL_LINE_TYPES = 1207;
constexpr int IDC_CAL_EXAMPLE = 1197;

// Dialog 266: the yearly calendar.
constexpr int IDC_YC_GROUP_MONTH = 1397;
constexpr int IDC_YC_GROUP_WEEK = 1398;
constexpr int IDC_YC_GROUP_DAYS = 1389;
constexpr int IDC_YC_GROUP_LINE = 1399;
constexpr int IDC_YC_GROUP_PREVIEW = 1400;
constexpr int IDC_YC_MONTH_BACK = 1282;
constexpr int IDC_YC_MONTH_FONT = 1264;
constexpr int IDC_YC_WEEK_BACK = 1268;
constexpr int IDC_YC_WEEK_FONT = 1269;
constexpr int IDC_YC_LINE_COLOUR = 1281;
constexpr int IDC_YC_DAY06_FONT = 1272;
constexpr int IDC_YC_DAY15_FONT = 1273;
constexpr int IDC_YC_NOLINK_FONT = 1270;
constexpr int IDC_YC_DAY06_BACK = 1276;
constexpr int IDC_YC_DAY15_BACK = 1277;
constexpr int IDC_YC_NODIARY_BACK = 1278;
constexpr int IDC_YC_EMPTY_BACK = 1275;
constexpr int IDC_YC_BLANK_ROW = 1295;
constexpr int IDC_YC_ALIGN_LEFT = 1296;
constexpr int IDC_YC_ALIGN_CENTRE = 1297;
constexpr int IDC_YC_ALIGN_RIGHT = 1298;
constexpr int IDC_YC_SAMPLE_06 = 1286;
constexpr int IDC_YC_SAMPLE_07 = 1287;
constexpr int IDC_YC_SAMPLE_01 = 1294;
constexpr int IDC_YC_FONT_DEFAULT = 1087;
constexpr int IDC_YC_FRAME = 1227;
constexpr int IDC_YC_MONTH_TITLE = 1271;
constexpr int IDC_YC_WEEK_ROW = 1283;
constexpr int IDC_YC_CELL = 1284;
constexpr int IDC_YC_VIEW_EXAMPLE = 1198;
constexpr int IDC_YC_DEFAULT_ALL = 1299;
constexpr int IDC_YC_DEFAULT_STYLES = 1003;
constexpr int IDC_YC_SHOW_ALL_MONTHS = 1466;
// The weekday letters of the preview, Sunday first.
constexpr int kYearCalendarLetterIds[7] = {1285, 1288, 1289, 1290, 1291, 1292, 1293};
// The fifteen style checks in record order: month, weekday, Sunday and Saturday, Monday to
// Friday, days outside the range; each bold, italic, strike-through.
constexpr int kYearCalendarStyleIds[15] = {1302, 1303, 1304, 1021, 1026, 1200, 1022, 1027,
                                          1201, 1023, 1028, 1202, 1024, 1029, 1203};

// Dialog 282: the year planner.
constexpr int IDC_YP_SIZE = 1251;
constexpr int IDC_YP_MONTH_BACK = 1310;
constexpr int IDC_YP_MONTH_FONT = 1311;
constexpr int IDC_YP_WEEK_BACK = 1312;
constexpr int IDC_YP_WEEK_FONT = 1313;
constexpr int IDC_YP_DAY06_BACK = 1427;
constexpr int IDC_YP_DAY06_FONT = 1429;
constexpr int IDC_YP_DAY15_BACK = 1284;
constexpr int IDC_YP_DAY15_FONT = 1430;
constexpr int IDC_YP_DOUBLE_MONTH_BACK = 1428;
constexpr int IDC_YP_EMPTY_BACK = 1433;
constexpr int IDC_YP_LINE_COLOUR = 1008;
constexpr int IDC_YP_ONE_PAGE = 1240;
constexpr int IDC_YP_ONE_PAGE_FORMAT = 1437;
constexpr int IDC_YP_PREVIEW_FORMAT = 1088;
constexpr int IDC_YP_FORMAT_SAMPLE = 1434;
constexpr int IDC_YP_UPPER = 1242;
constexpr int IDC_YP_QUARTER = 1241;
constexpr int IDC_YP_APPLY = 1243;
constexpr int IDC_YP_DEFAULT = 1087;
constexpr int IDC_YP_REFRESH = 1003;
constexpr int IDC_YP_FRAME = 1459;
// The group boxes: fonts, colours, the sample, line, pages.
constexpr int kYearPlannerGroupIds[5] = {1470, 1471, 1472, 1473, 1474};
constexpr int kYearPlannerMonthIds[2] = {1439, 1440};
constexpr int kYearPlannerWeekIds[6] = {1441, 1442, 1443, 1444, 1445, 1446};
// The day numbers: the first month's five weekdays and a Saturday, then the second month's
// three empty cells and three days.
constexpr int kYearPlannerDayIds[12] = {1447, 1448, 1449, 1450, 1451, 1452, 1453, 1454, 1455, 1456, 1457, 1458};

// Dialog 274: the monthly calendar, the controls of the whole calendar.
constexpr int IDC_MC_GROUP_DAY = 1389;
constexpr int IDC_MC_GROUP_ROWS_ALL = 1391;
constexpr int IDC_MC_GROUP_EACH_DAY = 1390;
constexpr int IDC_MC_GROUP_ROW = 1325;
constexpr int IDC_MC_GROUP_WEEKEND = 1393;
constexpr int IDC_MC_GROUP_WEEKDAY = 1394;
constexpr int IDC_MC_GROUP_21_DAYS = 1395;
constexpr int IDC_MC_GROUP_TOP_LINE = 1396;
constexpr int IDC_MC_GROUP_EXAMPLE = 1392;
constexpr int IDC_MC_FONT_DEFAULT = 1088;
constexpr int IDC_MC_SIZE = 1251;
constexpr int IDC_MC_SIZE_DEFAULT = 1089;
constexpr int IDC_MC_LOWER_ROWS = 1023;
constexpr int IDC_MC_UPPER = 1307;
constexpr int IDC_MC_WEEK_HEADER = 1327;
constexpr int IDC_MC_DAY_SAMPLE = 1375;
constexpr int IDC_MC_DAY_FONT = 1255;
constexpr int IDC_MC_DAY_SIZE = 1252;
constexpr int IDC_MC_DAY_BOLD = 1377;
constexpr int IDC_MC_DAY_ITALIC = 1257;
constexpr int IDC_MC_DAY_UNDERLINE = 1376;
constexpr int IDC_MC_ALIGN_LEFT = 1296;
constexpr int IDC_MC_ALIGN_CENTRE = 1297;
constexpr int IDC_MC_ALIGN_RIGHT = 1298;
constexpr int IDC_MC_YEAR_FORMAT = 1091;
constexpr int IDC_MC_GRID_LINES = 1397;
constexpr int IDC_MC_GRID_COLOUR = 1282;
constexpr int IDC_MC_EXAMPLE_PICTURE = 1465;
constexpr int IDC_MC_APPLY = 1467;
constexpr int IDC_MC_HIDDEN_DEFAULT = 1299;

// Dialog 274: the editors of the current row.
constexpr int IDC_MC_WEEKEND_BACK = 1308;
constexpr int IDC_MC_WEEKEND_FONT = 1309;
constexpr int IDC_MC_WEEKDAY_BACK = 1283;
constexpr int IDC_MC_WEEKDAY_FONT = 1265;
constexpr int IDC_MC_WEEKEND_BOLD = 1329;
constexpr int IDC_MC_WEEKEND_ITALIC = 1330;
constexpr int IDC_MC_WEEKEND_STRIKE = 1326;
constexpr int IDC_MC_WEEKDAY_BOLD = 1254;
constexpr int IDC_MC_WEEKDAY_ITALIC = 1256;
constexpr int IDC_MC_WEEKDAY_STRIKE = 1328;
constexpr int IDC_MC_WEEKEND_SIGN_CHECK = 1034;
constexpr int IDC_MC_WEEKEND_SIGN = 1033;
constexpr int IDC_MC_WEEKDAY_SIGN_CHECK = 1036;
constexpr int IDC_MC_WEEKDAY_SIGN = 1035;
constexpr int IDC_MC_SAME_WEEKEND = 1341;
constexpr int IDC_MC_SAME_WEEKDAY = 1342;
constexpr int IDC_MC_21_DAYS = 1240;
constexpr int IDC_MC_REST = 1306;
constexpr int IDC_MC_REST_DAYS = 1238;
constexpr int IDC_MC_REST_APPLY = 1090;
constexpr int IDC_MC_TOP_LINES = 1378;
constexpr int IDC_MC_TOP_COLOUR = 1281;
constexpr int IDC_MC_SAME_TOP_COLOUR = 1373;

// Dialog 274: one set of controls per writing row (index 0 is row 1).
constexpr int kMonthRows = 5;
constexpr int kMonthRowRadioIds[kMonthRows] = {1320, 1321, 1322, 1323, 1324};
constexpr int kMonthRowAddIds[kMonthRows] = {1014, 1015, 1017, 1016, 1018};
constexpr int kMonthRowWeekendIds[kMonthRows] = {1310, 1311, 1312, 1313, 1314};
constexpr int kMonthRowWeekdayIds[kMonthRows] = {1315, 1316, 1317, 1318, 1319};
constexpr int kMonthRowWeekendSignPictureIds[kMonthRows] = {1368, 1369, 1370, 1371, 1372};
constexpr int kMonthRowWeekdaySignPictureIds[kMonthRows] = {1363, 1364, 1365, 1366, 1367};
constexpr int kMonthRow21DaysIds[kMonthRows] = {1331, 1333, 1335, 1337, 1339};
constexpr int kMonthRowRestIds[kMonthRows] = {1332, 1334, 1336, 1338, 1340};
constexpr int kMonthRowWeekendSignIds[kMonthRows] = {1343, 1344, 1345, 1346, 1347};
constexpr int kMonthRowWeekdaySignIds[kMonthRows] = {1348, 1349, 1350, 1351, 1352};

// Dialog 292: the yearly-calendar presets.
constexpr int IDC_EXAMPLE_LIST = 1207;
constexpr int IDC_EXAMPLE_OK = 1196;
constexpr int IDC_EXAMPLE_CANCEL = 1000;

// The sample picture dialogs: their one picture.
constexpr int IDC_SAMPLE_PICTURE = 1000;
