#pragma once
// The small WordprocessingML pieces that the document's tables are built from: table and cell
// properties with their borders, grids, row properties, the runs of a HYPERLINK field, the day
// number of a calendar cell, a page break and an empty paragraph.
// Every emitter returns its text; user values (colours, fonts, line types) are escaped here.

#include "platform/WinTypes.h"

#include <string>

class CDocxTableWriter {
public:
    CDocxTableWriter() = default;
    virtual ~CDocxTableWriter() = default;

    // Table properties: width, indent, a border set and the look; a flag draws its border when 1.
    static std::string GetTablePropertiesXml(const std::string& lineType, const std::string& lineColor);
    static std::string GetTablePropertiesBoxedXml(const std::string& lineType, const std::string& lineColor,
                                                  BYTE left, BYTE right, BYTE top, BYTE bottom, BYTE middle);
    // Only the rules under the rows: bottom, between the rows, and between the columns.
    static std::string GetTablePropertiesLinedXml(const std::string& lineType, const std::string& lineColor,
                                                  BYTE bottom, BYTE middle);

    static std::string GetTableBordersXml(const std::string& lineType, const std::string& lineColor);
    static std::string GetTableBordersBoxedXml(const std::string& lineType, const std::string& lineColor,
                                               BYTE left, BYTE right, BYTE top, BYTE bottom, BYTE middle);
    static std::string GetTableBordersLinedXml(const std::string& lineType, const std::string& lineColor,
                                               BYTE bottom, BYTE middle);

    // One border of width 4 (eighths of a point) when the flag is 1, else "".
    static std::string GetBorderXml(BYTE enable, const std::string& side, const std::string& lineType,
                                    const std::string& color);
    static std::string GetCellBordersXml(const std::string& lineType, const std::string& color);
    // The left side in the colour, the other three white.
    static std::string GetCellBordersWhiteXml(const std::string& lineType, const std::string& color);

    // Properties of a calendar day cell; the shading follows the day: empty cell, outside the
    // range (bookmark 0), weekend, working day.
    static std::string GetCellPropertiesXml(BYTE white, int day, const std::string& lineType,
                                            const std::string& lineColor, const std::string& emptyShading,
                                            int bookmark, int weekday, const std::string& weekendShading,
                                            const std::string& workdayShading, const std::string& outsideShading);

    // The bold coloured runs of a HYPERLINK field.
    static std::string GetFieldBeginRunXml(const std::string& color);
    static std::string GetFieldInstrRunXml(const std::string& color, const std::string& bookmark);
    static std::string GetFieldSeparateRunXml(const std::string& color);
    static std::string GetFieldEndRunXml(const std::string& color);
    static std::string GetBoldColorRunXml(const std::string& color, const std::string& rsid);
    static std::string GetTextRunXml(const std::string& color, const std::string& rsid, const std::string& text);

    // The day number of a calendar cell, in the Hyperlink character style.
    static std::string GetDayNumberRunXml(const std::string& color, const std::string& rsid, int day, int bookmark,
                                          BYTE twoDigits, const std::string& font, const std::string& size,
                                          BYTE bold, BYTE italic, BYTE strike, BYTE underline);

    static std::string GetPageBreakXml(const std::string& rsidR, const std::string& rsidRDefault,
                                       const std::string& rsidP);
    static std::string GetEmptyParagraphXml(const std::string& rsidR, const std::string& rsidRDefault);
    static std::string GetRowPropertiesXml();
    // 24 columns, three months of eight; the eighth column of each month is half a day wide.
    static std::string GetCalendarGridXml(int dayWidth);
    static std::string GetFontsXml(const std::string& font);
};
