#include "platform/ui/DC.h"

#include "platform/ui/SysColors.h"
#include "platform/ui/qt/DcRecord.h"
#include "platform/ui/qt/GdiAccess.h"

#include <algorithm>

using namespace platform::ui::detail;

namespace {

// Between colour and monochrome GDI converts: to monochrome, the source's background colour
// becomes white and everything else black; from monochrome, black takes the destination's
// text colour and white its background colour.
QImage Converted(QImage part, const DcRecord* from, const DcRecord* to)
{
    const bool fromMono = from->Monochrome(), toMono = to->Monochrome();
    if (fromMono == toMono)
        return part;
    const QRgb ink = to->DeviceColour(to->state.textColour).rgb();
    const QRgb paper = to->DeviceColour(to->state.bkColour).rgb();
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    for (int y = 0; y < part.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            if (fromMono)
                row[x] = qRed(row[x]) ? paper : ink;
            else
                row[x] = ColourRefOf(row[x]) == from->state.bkColour ? white : black;
        }
    }
    return part;
}

bool RasterMode(DWORD rop, QPainter::CompositionMode* mode)
{
    switch (rop) {
    case SRCCOPY: *mode = QPainter::CompositionMode_Source; return true;
    case SRCAND: *mode = QPainter::RasterOp_SourceAndDestination; return true;
    case SRCPAINT: *mode = QPainter::RasterOp_SourceOrDestination; return true;
    default: return false;
    }
}

// Disabled images keep only their ink (whatever is not white once drawn on white), embossed:
// highlight one pixel down and right, shadow on top.
QImage Ink(const QImage& image, COLORREF colour)
{
    QImage onWhite(image.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    {
        QPainter painter(&onWhite);
        painter.drawImage(0, 0, image);
    }
    QImage ink(image.size(), QImage::Format_ARGB32);
    const QRgb paint = qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink.setPixel(x, y, (onWhite.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF ? qRgba(0, 0, 0, 0) : paint);
    }
    return ink;
}

// A DC's logical point in the pixels under it, which hold more than one pixel per logical pixel
// on a scaled desktop.
QPoint DevicePoint(const QImage& pixels, QPoint origin, QPoint logical)
{
    return origin + (QPointF(logical) * pixels.devicePixelRatio()).toPoint();
}

} // namespace

namespace platform::ui::detail {

void DrawImageOn(DcRecord* dc, const QPoint& at, const QImage& image, QSize size)
{
    DcPaint paint(dc);
    if (!paint || image.isNull())
        return;
    const QImage shown = dc->Monochrome() ? Monochrome(image) : image;
    const QRect area(at, size.isValid() && !size.isEmpty() ? size : image.size());
    if (area.size() == image.size())
        paint->drawImage(at, shown);
    else
        paint->drawImage(area, shown);
    paint.Touch(area);
}

} // namespace platform::ui::detail

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop)
{
    DcRecord* to = LiveDc(m_hDC);
    DcRecord* from = source ? LiveDc(source->m_hDC) : nullptr;
    QPainter::CompositionMode mode = QPainter::CompositionMode_Source;
    if (!to || !from || !RasterMode(rop, &mode))
        return FALSE;
    QPoint origin;
    const QImage* pixels = from->target->Pixels(from->state, &origin);
    if (!pixels)
        return FALSE;
    // A copy first: the source may be the destination itself.
    const QRect area(DevicePoint(*pixels, origin, QPoint(sourceX, sourceY)), QSize(width, height) * pixels->devicePixelRatio());
    const QImage part = Converted(pixels->copy(area).convertToFormat(QImage::Format_RGB32), from, to);
    DcPaint paint(to);
    if (!paint)
        return FALSE;
    paint->setCompositionMode(mode);
    paint->drawImage(QRect(x, y, width, height), part);
    paint.Touch(QRect(x, y, width, height));
    return TRUE;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return CLR_INVALID;
    QPoint origin;
    const QImage* pixels = record->target->Pixels(record->state, &origin);
    if (!pixels)
        return CLR_INVALID;
    const QPoint at = DevicePoint(*pixels, origin, QPoint(x, y));
    if (!pixels->valid(at))
        return CLR_INVALID;
    return ColourRefOf(pixels->pixel(at));
}

COLORREF CDC::SetPixel(int x, int y, COLORREF colour)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return CLR_INVALID;
    DcPaint paint(record);
    if (!paint)
        return CLR_INVALID;
    paint.Fill(QRect(x, y, 1, 1), colour);
    return ColourRefOf(record->DeviceColour(colour).rgb());
}

BOOL CDC::DrawState(CPoint point, CSize size, HGDIOBJ image, UINT flags, CBrush*)
{
    DcRecord* record = LiveDc(m_hDC);
    const QImage* pixels = ImageOf(image);
    if (!record || !pixels)
        return FALSE;
    // The size crops; it never scales.
    QImage shown = *pixels;
    if (size.cx > 0 && size.cy > 0)
        shown = shown.copy(0, 0, std::min<int>(size.cx, shown.width()), std::min<int>(size.cy, shown.height()));
    const QPoint at(point.x, point.y);
    if (flags & DSS_DISABLED) {
        DrawImageOn(record, at + QPoint(1, 1), Ink(shown, GetSysColor(COLOR_3DHILIGHT)));
        DrawImageOn(record, at, Ink(shown, GetSysColor(COLOR_3DSHADOW)));
    } else {
        DrawImageOn(record, at, shown);
    }
    return TRUE;
}

BOOL CDC::DrawState(CPoint point, CSize size, CBitmap* bitmap, UINT flags, CBrush* brush)
{
    return bitmap ? DrawState(point, size, bitmap->m_hObject, flags, brush) : FALSE;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT)
{
    DcRecord* record = LiveDc(dc);
    const QImage* pixels = ImageOf(icon);
    if (!record || !pixels)
        return FALSE;
    DrawImageOn(record, QPoint(x, y), *pixels, QSize(cx > 0 ? cx : pixels->width(), cy > 0 ? cy : pixels->height()));
    return TRUE;
}
