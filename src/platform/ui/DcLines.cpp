#include "platform/ui/DC.h"

#include "platform/ui/qt/DcRecord.h"
#include "platform/ui/qt/PixelPaths.h"

#include <QPolygon>
#include <span>

using namespace platform::ui::detail;

namespace {

// Cosmetic pen patterns in pixels, on and off in turn. GDI counts them in style units of
// three pixels: dash 6 on 2 off, dot 1 on 1 off, dash-dot 3-2-1-2, dash-dot-dot 3-1-1-1-1-1.
constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};

std::span<const int> Pattern(int style)
{
    switch (style) {
    case PS_DASH: return kDash;
    case PS_DOT: return kDot;
    case PS_DASHDOT: return kDashDot;
    case PS_DASHDOTDOT: return kDashDotDot;
    default: return {};
    }
}

bool NullPen(const GdiRecord* pen)
{
    return pen->penStyle == PS_NULL;
}

// Pens wider than a pixel are geometric: solid, with round ends and joins.
bool Wide(const GdiRecord* pen)
{
    return pen->penWidth > 1;
}

QPen WidePen(const DcRecord* dc)
{
    const GdiRecord* pen = dc->state.pen.get();
    return QPen(dc->DeviceColour(pen->colour), pen->penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// One-pixel pens: the pattern runs from the first pixel; with OPAQUE the gaps take the
// background colour.
void Stroke(DcPaint& paint, const DcRecord* dc, const std::vector<QPoint>& pixels)
{
    const GdiRecord* pen = dc->state.pen.get();
    if (NullPen(pen) || pixels.empty())
        return;
    const std::span<const int> pattern = Pattern(pen->penStyle);
    std::vector<QPoint> on, off;
    size_t part = 0;
    int left = pattern.empty() ? 0 : pattern[0];
    for (const QPoint& pixel : pixels) {
        if (pattern.empty() || part % 2 == 0)
            on.push_back(pixel);
        else
            off.push_back(pixel);
        if (!pattern.empty() && --left == 0) {
            part = (part + 1) % pattern.size();
            left = pattern[part];
        }
    }
    for (const QRect& run : PixelRuns(on))
        paint.Fill(run, pen->colour);
    if (dc->state.bkMode == OPAQUE)
        for (const QRect& run : PixelRuns(off))
            paint.Fill(run, dc->state.bkColour);
}

void FillWithBrush(DcPaint& paint, const DcRecord* dc, const QRect& area)
{
    const GdiRecord* brush = dc->state.brush.get();
    if (!brush->hollow)
        paint.Fill(area, brush->colour);
}

} // namespace

CPoint CDC::MoveTo(int x, int y)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return CPoint();
    const QPoint previous = record->state.position;
    record->state.position = QPoint(x, y);
    return CPoint(previous.x(), previous.y());
}

BOOL CDC::LineTo(int x, int y)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return FALSE;
    const QPoint from = record->state.position;
    const QPoint to(x, y);
    record->state.position = to;
    DcPaint paint(record);
    if (!paint || NullPen(record->state.pen.get()))
        return TRUE;
    if (Wide(record->state.pen.get())) {
        const int width = record->state.pen->penWidth;
        paint->setPen(WidePen(record));
        paint->drawLine(from, to);
        paint.Touch(QRect(from, to).normalized().adjusted(-width, -width, width, width));
    } else {
        Stroke(paint, record, LinePixels(from, to));
    }
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return FALSE;
    const QRect box = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).normalized();
    DcPaint paint(record);
    if (!paint)
        return TRUE;
    const GdiRecord* pen = record->state.pen.get();
    if (NullPen(pen)) {
        // Without a pen the filled area is a pixel smaller on the right and at the bottom.
        FillWithBrush(paint, record, box.adjusted(0, 0, -1, -1));
    } else if (Wide(pen)) {
        const GdiRecord* brush = record->state.brush.get();
        paint->setPen(WidePen(record));
        paint->setBrush(brush->hollow ? QBrush(Qt::NoBrush) : QBrush(record->DeviceColour(brush->colour)));
        paint->drawRect(box.adjusted(0, 0, -1, -1));
        paint.Touch(box.adjusted(-pen->penWidth, -pen->penWidth, pen->penWidth, pen->penWidth));
    } else {
        FillWithBrush(paint, record, box.adjusted(1, 1, -1, -1));
        Stroke(paint, record, RectOutline(box));
    }
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT rect)
{
    return Rectangle(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CDC::RoundRect(LPCRECT rect, POINT corner)
{
    // Corners of a pixel or two round nothing off.
    if (corner.x <= 2 || corner.y <= 2)
        return Rectangle(rect);
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return FALSE;
    DcPaint paint(record);
    if (!paint)
        return TRUE;
    const GdiRecord* brush = record->state.brush.get();
    const GdiRecord* pen = record->state.pen.get();
    const QRect box = QRect(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1)).normalized();
    paint->setPen(NullPen(pen) ? QPen(Qt::NoPen) : QPen(record->DeviceColour(pen->colour), pen->penWidth));
    paint->setBrush(brush->hollow ? QBrush(Qt::NoBrush) : QBrush(record->DeviceColour(brush->colour)));
    paint->drawRoundedRect(box.adjusted(0, 0, -1, -1), corner.x / 2.0, corner.y / 2.0);
    paint.Touch(box.adjusted(-pen->penWidth, -pen->penWidth, pen->penWidth, pen->penWidth));
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record || !points || count < 2)
        return FALSE;
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    DcPaint paint(record);
    if (!paint)
        return TRUE;
    const GdiRecord* brush = record->state.brush.get();
    if (!brush->hollow) {
        paint->setPen(Qt::NoPen);
        paint->setBrush(record->DeviceColour(brush->colour));
        paint->drawPolygon(polygon, record->state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
        paint.Touch(polygon.boundingRect());
    }
    const GdiRecord* pen = record->state.pen.get();
    if (Wide(pen)) {
        paint->setPen(WidePen(record));
        paint->setBrush(Qt::NoBrush);
        paint->drawPolygon(polygon);
        paint.Touch(polygon.boundingRect().adjusted(-pen->penWidth, -pen->penWidth, pen->penWidth, pen->penWidth));
    } else {
        for (int i = 0; i < count; ++i)
            Stroke(paint, record, LinePixels(polygon[i], polygon[(i + 1) % count]));
    }
    return TRUE;
}
