#include "app/TableOutline.h"

#include "platform/ui/Gdi.h"
#include "settings/DialogHelpers.h"

#include <cstdlib>

namespace {

// The drawing constants of the frame the outline was designed on: 122 pixels high, 40 for
// each line row. Other frames keep the proportion.
constexpr int kDesignHeight = 122;
constexpr int kDesignLineRow = 40;
constexpr int kNumberColumnX = 43;
constexpr int kLineBandX = 83;
constexpr int kDash = 8;
constexpr int kDashStep = 10;
constexpr int kHandDashedPen = 6;

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

void DrawLine(CDC& dc, CPoint from, CPoint to)
{
    dc.MoveTo(from);
    dc.LineTo(to);
}

// A line of the "dashSmallGap" type, which no pen style draws: laid by hand, dash by dash.
void DrawPagePreviewDashSmallGap(CDC& dc, const OutlineLine& line)
{
    for (const OutlineLine& piece : HandDashes(line.from, line.to))
        DrawLine(dc, piece.from, piece.to);
}

} // namespace

TableOutline ClassTableOutline(const CRect& inside, const CRect& frame, const ClassOutlineLook& look)
{
    const ClassTableSettings& t = look.look;
    const int lineRow = frame.Height() * kDesignLineRow / kDesignHeight;
    const int firstRule = frame.bottom - 2 * lineRow;
    const int secondRule = frame.bottom - lineRow;
    const int left = frame.left;
    const int right = frame.right;

    TableOutline outline;
    outline.fills.push_back({inside, kWhite});
    outline.fills.push_back({frame, kWhite});
    outline.fills.push_back({CRect(left, frame.top + 1, right, firstRule),
                             look.table && look.title ? HexToColorOrWhite(t.class_table_bk_color) : kWhite});
    outline.fills.push_back({CRect(left + kLineBandX, firstRule, right, secondRule),
                             look.table ? HexToColorOrWhite(t.line_table_bk_color) : kWhite});

    outline.lineColour = HexToColor(t.line_color);
    outline.handDashed = look.table && t.line_type == kHandDashedLineType;
    outline.penStyle = LineTypeToIndex(t.line_type);
    // Laid by hand, the top and bottom edges follow the title row and the line count alone.
    const bool top = outline.handDashed ? look.title : t.bLineTop && look.table && look.title;
    const bool bottom = outline.handDashed ? look.severalLines : t.bLineBottom && look.table && look.severalLines;
    const int yTop = look.title ? frame.top : firstRule;
    const int yBottom = look.severalLines ? frame.bottom : secondRule;
    const bool table = look.table;
    outline.lines = {
        {{left, frame.top}, {right, frame.top}, top},
        {{left, yTop}, {left, yBottom}, t.bLineLeft && table},
        {{right, yTop}, {right, yBottom}, t.bLineRight && table},
        {{left, frame.bottom}, {right, frame.bottom}, bottom},
        {{left, firstRule}, {right, firstRule}, t.bLineMiddle && table},
        {{left, secondRule}, {right, secondRule}, t.bLineMiddle && table},
        // Below the first rule, so switched off (white) it leaves the rule whole.
        {{left + kNumberColumnX, firstRule + 1}, {left + kNumberColumnX, secondRule}, t.bInsertACol && table},
    };
    return outline;
}

std::vector<OutlineLine> HandDashes(CPoint from, CPoint to)
{
    const int dx = Sign(to.x - from.x);
    const int dy = Sign(to.y - from.y);
    const int length = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    std::vector<OutlineLine> pieces;
    const auto at = [&](int distance) { return CPoint(from.x + dx * distance, from.y + dy * distance); };
    const int steps = length / kDashStep;
    for (int step = 0; step < steps; ++step)
        pieces.push_back({at(step * kDashStep), at(step * kDashStep + kDash), true});
    pieces.push_back({at(steps * kDashStep), to, true});
    return pieces;
}

void SetOutlinePen(TableOutline& outline, COLORREF colour, const CString& pen)
{
    const int style = std::atoi(pen);
    outline.lineColour = colour;
    outline.handDashed = style == kHandDashedPen;
    outline.penStyle = outline.handDashed ? PS_SOLID : style;
}

void PaintTableOutline(CDC& dc, const TableOutline& outline)
{
    for (const OutlineFill& fill : outline.fills)
        dc.FillSolidRect(&fill.rect, fill.colour);
    CPen linePen(outline.handDashed ? PS_SOLID : outline.penStyle, 1, outline.lineColour);
    CPen whitePen(PS_SOLID, 1, kWhite);
    CPen* previous = dc.SelectObject(&whitePen);
    for (const OutlineLine& line : outline.lines) {
        dc.SelectObject(line.on ? &linePen : &whitePen);
        if (line.on && outline.handDashed)
            DrawPagePreviewDashSmallGap(dc, line);
        else
            DrawLine(dc, line.from, line.to);
    }
    dc.SelectObject(previous);
}
