#pragma once
// The outline of a class table as the previews show it: a retained list of white and coloured
// fills and of border lines, each on (drawn in the table's line) or off (drawn in white, so a
// switched-off line disappears). The windows build it when the class changes and paint it in
// their paint handlers.

#include "platform/ui/DC.h"
#include "settings/DiaryRecords.h"

#include <vector>

struct OutlineFill {
    CRect rect;
    COLORREF colour = 0;
};

struct OutlineLine {
    CPoint from;
    CPoint to;
    bool on = false;
};

struct TableOutline {
    std::vector<OutlineFill> fills;   // painted first, in order
    std::vector<OutlineLine> lines;
    COLORREF lineColour = 0;
    int penStyle = 0;                 // PS_... of the lines that are on
    bool handDashed = false;          // lines that are on are laid as 8-pixel dashes with 2-pixel gaps
};

// What decides the outline of one class.
struct ClassOutlineLook {
    bool table = false;          // the class is laid out as a table
    bool title = false;          // it has a title row
    bool severalLines = false;   // it has more than one writing line
    ClassTableSettings look;
};

// The line type a preview lays by hand instead of with a pen style.
inline constexpr const char* kHandDashedLineType = "dashSmallGap";

// The area inside the preview's group box cleared to white, then the class as a table of three
// rows in the frame: the title row, the first and the second
// writing line. The rows' edges are taken from the frame's height (a third of it for each
// line row), so the picture fits whatever size the frame has; the number column stands 43
// pixels in, the line band starts 83 pixels in. A class with one line ends at the second rule,
// a class without title starts at the first.
TableOutline ClassTableOutline(const CRect& inside, const CRect& frame, const ClassOutlineLook& look);

// The pieces of a hand-dashed line: as many 8-pixel dashes each followed by a 2-pixel gap as
// whole steps of 10 fit, then one last piece from the end of the last gap to the end point.
// Lines run along one axis.
std::vector<OutlineLine> HandDashes(CPoint from, CPoint to);

// The lines' colour and pen from a line-type row's pen text (a PS_ style; "6" is laid by hand).
void SetOutlinePen(TableOutline& outline, COLORREF colour, const CString& pen);

void PaintTableOutline(CDC& dc, const TableOutline& outline);
