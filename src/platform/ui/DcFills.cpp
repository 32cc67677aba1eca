#include "platform/ui/DC.h"

#include "platform/ui/SysColors.h"
#include "platform/ui/qt/DcRecord.h"
#include "platform/ui/qt/PixelPaths.h"


using namespace platform::ui::detail;

namespace {

QRect RectOf(const RECT& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// One ring of an edge, by system colour index.
struct Ring {
    int topLeft;
    int bottomRight;
};

// Soft edges (buttons) swap the top-left colours of the outer and inner rings.
Ring OuterRing(UINT edge, bool soft)
{
    if (edge & BDR_RAISEDOUTER)
        return {soft ? COLOR_3DHILIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    return {soft ? COLOR_3DDKSHADOW : COLOR_3DSHADOW, COLOR_3DHILIGHT};
}

Ring InnerRing(UINT edge, bool soft)
{
    if (edge & BDR_RAISEDINNER)
        return {soft ? COLOR_3DLIGHT : COLOR_3DHILIGHT, COLOR_3DSHADOW};
    return {soft ? COLOR_3DSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

// The bottom and right sides go last, so they own the top-right and bottom-left corners.
void DrawRing(DcPaint& paint, QRect& area, const Ring& ring, UINT sides)
{
    const COLORREF topLeft = GetSysColor(ring.topLeft);
    const COLORREF bottomRight = GetSysColor(ring.bottomRight);
    if (sides & BF_TOP)
        paint.Fill(QRect(area.left(), area.top(), area.width(), 1), topLeft);
    if (sides & BF_LEFT)
        paint.Fill(QRect(area.left(), area.top(), 1, area.height()), topLeft);
    if (sides & BF_BOTTOM)
        paint.Fill(QRect(area.left(), area.bottom(), area.width(), 1), bottomRight);
    if (sides & BF_RIGHT)
        paint.Fill(QRect(area.right(), area.top(), 1, area.height()), bottomRight);
    area.adjust(sides & BF_LEFT ? 1 : 0, sides & BF_TOP ? 1 : 0, sides & BF_RIGHT ? -1 : 0,
                sides & BF_BOTTOM ? -1 : 0);
}

} // namespace

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    DcRecord* record = LiveDc(m_hDC);
    GdiRecord* fill = brush ? LiveRecord(brush->m_hObject) : nullptr;
    if (!record || !rect || !fill || fill->hollow)
        return;
    DcPaint paint(record);
    paint.Fill(RectOf(*rect), fill->colour);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record || !rect)
        return;
    record->state.bkColour = colour;
    DcPaint paint(record);
    paint.Fill(RectOf(*rect).normalized(), colour);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour)
{
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, colour);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    DcRecord* record = LiveDc(m_hDC);
    GdiRecord* fill = brush ? LiveRecord(brush->m_hObject) : nullptr;
    if (!record || !rect || !fill || fill->hollow)
        return;
    const QRect area = RectOf(*rect);
    if (area.isEmpty())
        return;
    DcPaint paint(record);
    paint.Fill(QRect(area.left(), area.top(), area.width(), 1), fill->colour);
    paint.Fill(QRect(area.left(), area.bottom(), area.width(), 1), fill->colour);
    paint.Fill(QRect(area.left(), area.top(), 1, area.height()), fill->colour);
    paint.Fill(QRect(area.right(), area.top(), 1, area.height()), fill->colour);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record || !rect)
        return FALSE;
    const bool soft = (flags & BF_SOFT) != 0;
    QRect area = RectOf(*rect);
    DcPaint paint(record);
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
        DrawRing(paint, area, OuterRing(edge, soft), flags);
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
        DrawRing(paint, area, InnerRing(edge, soft), flags);
    if (flags & BF_MIDDLE)
        paint.Fill(area, GetSysColor(COLOR_3DFACE));
    if (flags & BF_ADJUST)
        *rect = CRect(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
    return TRUE;
}

BOOL CDC::DrawFrameControl(LPRECT rect, UINT type, UINT state)
{
    constexpr UINT kButtonKind = 0x001F;
    if (type != DFC_BUTTON || (state & kButtonKind) != DFCS_BUTTONPUSH)
        return FALSE;
    const UINT edge = (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED;
    const UINT flags = BF_RECT | BF_SOFT | BF_MIDDLE | ((state & DFCS_ADJUSTRECT) ? BF_ADJUST : 0);
    return DrawEdge(rect, edge, flags);
}

void CDC::DrawFocusRect(LPCRECT rect)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record || !rect)
        return;
    std::vector<QPoint> dots;
    for (const QPoint& pixel : RectOutline(RectOf(*rect))) {
        if (((pixel.x() + pixel.y()) & 1) == 0)
            dots.push_back(pixel);
    }
    DcPaint paint(record);
    if (!paint || dots.empty())
        return;
    paint->setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const QPoint& dot : dots)
        paint.Fill(QRect(dot, QSize(1, 1)), RGB(0, 0, 0));
}
