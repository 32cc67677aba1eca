#pragma once
// Control ids of the class table style dialog (217).

constexpr int IDC_TABLE_PRESETS = 1217;
constexpr int IDC_TABLE_LINE_TYPES = 1207;
constexpr int IDC_TABLE_TOP = 1215;
constexpr int IDC_TABLE_MIDDLE = 1205;
constexpr int IDC_TABLE_BOTTOM = 1206;
constexpr int IDC_TABLE_LEFT = 1208;
constexpr int IDC_TABLE_RIGHT = 1209;
constexpr int IDC_TABLE_DIAGRAM_TOP = 1210;
constexpr int IDC_TABLE_DIAGRAM_MIDDLE = 1211;
constexpr int IDC_TABLE_DIAGRAM_BOTTOM = 1212;
constexpr int IDC_TABLE_DIAGRAM_LEFT = 1213;
constexpr int IDC_TABLE_DIAGRAM_RIGHT = 1214;
constexpr int IDC_TABLE_LINE_COLOUR = 1153;
constexpr int IDC_TABLE_TITLE_BACK_FLAG = 1219;
constexpr int IDC_TABLE_TITLE_BACK = 1154;
constexpr int IDC_TABLE_ODD_BACK_FLAG = 1218;
constexpr int IDC_TABLE_ODD_BACK = 1155;
constexpr int IDC_TABLE_EVEN_BACK_FLAG = 1216;
constexpr int IDC_TABLE_EVEN_BACK = 1156;
constexpr int IDC_TABLE_INSERT_COLUMN = 1240;
// The preview rows from top to bottom: the title row, then line rows 1 to 6.
constexpr int kTablePreviewRows = 7;
constexpr int kTablePreviewRowIds[kTablePreviewRows] = {1220, 1221, 1222, 1226, 1224, 1223, 1225};
constexpr int IDC_TABLE_PREVIEW_FRAME = 1227;
constexpr int IDC_TABLE_PREVIEW_BACK = 1228;
