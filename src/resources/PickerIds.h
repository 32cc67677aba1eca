#pragma once
// Control ids of the item symbol picker (245) and the special sign picker (256).

constexpr int kItemSymbolCount = 21;
constexpr int kSpecialSignCount = 28;

constexpr int IDC_SYMBOL_GROUP = 1402;
// The list of each item symbol, symbol 1 first.
constexpr int kItemSymbolListIds[kItemSymbolCount] = {1152, 1211, 1212, 1078, 1213, 1214, 1215,
                                                      1216, 1217, 1218, 1219, 1220, 1221, 1222,
                                                      1223, 1224, 1225, 1226, 1235, 1228, 1229};
// The button of each special sign, sign 1 first: the upper row 1 to 14, the lower 15 to 28.
constexpr int kSpecialSignButtonIds[kSpecialSignCount] = {1230, 1034, 1035, 1036, 1037, 1038, 1039, 1234, 1052, 1053,
                                                          1054, 1055, 1056, 1057, 1231, 1040, 1041, 1042, 1043, 1044,
                                                          1045, 1235, 1058, 1059, 1060, 1061, 1062, 1063};
constexpr int IDC_SIGN_PICTURE = 1233;
constexpr int IDC_SIGN_SAMPLE = 1113;
constexpr int IDC_SIGN_NUMBER = 1237;
constexpr int IDC_SIGN_COLOUR = 1153;

// The id ranges that hold the lists and the buttons.
constexpr int kFirstSymbolListId = 1078;
constexpr int kLastSymbolListId = 1235;
constexpr int kFirstSignId = 1034;
constexpr int kLastSignId = 1235;
