#include "settings/SettingsRecords.h"

TableLineSettings g_dateTable;
TableLineSettings g_textTable;
TableLineSettings g_tableLineEdit;
AddTextSettings g_addText;
DayCaptionSettings g_dayCaptions;
CalendarStyle g_calendarStyle;
YearPlannerSettings g_yearPlanner;
MonthCalendarSettings g_monthCalendar;
MonthCalendarSettings g_monthCalendarEdit;
SameFormatSettings g_sameFormat;

namespace {

TableLineSettings TableLook(const char* lineColor, const char* lineType, const char* background,
                            BYTE leftAndRight)
{
    TableLineSettings look;
    look.line_color = lineColor;
    look.line_type = lineType;
    look.table_bk_color = background;
    look.bLineTop = 1;
    look.bLineBottom = 1;
    look.bLineLeft = leftAndRight;
    look.bLineRight = leftAndRight;
    return look;
}

} // namespace

MonthCalendarSettings MonthCalendarDefaults()
{
    MonthCalendarSettings m;
    m.FontName = "Microsoft Sans Serif";
    m.FontSize = "10";
    m.LineType_Grid = "dotted";
    m.LineColor_Grid = "000000";
    for (int i = 0; i < MonthCalendarSettings::kRows; ++i) {
        m.line06_BKColor_[i] = "FFFFFF";
        m.line15_BKColor_[i] = "FFFFFF";
        m.line06_FontColor_[i] = "000000";
        m.line15_FontColor_[i] = "000000";
        m.SpecialSignColor_06[i] = "000000";
        m.SpecialSignColor_15[i] = "000000";
        m.LineTop[i] = "dotted";
        m.LineColor_Top[i] = "000000";
        m.LineBottom[i] = "dotted";
        m.LineColor_Bottom[i] = "000000";
    }
    m.FontName_Day = "Microsoft Sans Serif";
    m.FontSize_Day = "11";
    return m;
}

YearPlannerSettings YearPlannerDefaults()
{
    YearPlannerSettings y;
    y.str_FontName = "Microsoft Sans Serif";
    y.str_FontSize = "11";
    y.color_for_month_bk = "FFFFFF";
    y.color_for_month_font = "000000";
    y.color_for_weekname_bk = "FFFFFF";
    y.color_for_weekname_font = "000000";
    y.color_for_week1to5_bk = "FFFFFF";
    y.color_for_week1to5_font = "000000";
    y.color_for_week0and6_bk = "FFFFFF";
    y.color_for_week0and6_font = "000000";
    y.color_for_day_is_empty_bk = "FFFFFF";
    y.line_type_name_in_xml = "single";
    y.line_color = "000000";
    y.color_for_double_month_bk = "FFFFFF";
    y.MonthFormat_For1PageYearPlanner = "%b %Y";
    return y;
}

TableLineSettings DateTableDefaults()
{
    return TableLook("D2B48C", "single", "F9F9F2", 0);
}

TableLineSettings TextTableDefaults()
{
    return TableLook("CE0000", "dashSmallGap", "F1F1E4", 0);
}

void InitHeadingDefaults()
{
    g_tableLineEdit = TableLook("000000", "single", "", 1);
    g_dateTable = DateTableDefaults();
    g_textTable = TextTableDefaults();
    g_calendarStyle = CalendarStyle{};
    g_calendarStyle.ABlankRowAfterAmonth = 1;
}

void InitMonthCalendarDefaults()
{
    g_monthCalendar = MonthCalendarDefaults();
    g_monthCalendarEdit = MonthCalendarDefaults();
}

void InitYearPlannerDefaults()
{
    g_yearPlanner = YearPlannerDefaults();
}

void InitSameFormatDefaults()
{
    g_sameFormat = SameFormatSettings{0, "Tahoma", "11", "000000"};
}
