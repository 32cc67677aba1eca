#include "platform/ui/qt/GdiAccess.h"

#include "platform/ui/Gdi.h"
#include "platform/ui/qt/GdiRecord.h"

#include <QFontInfo>

namespace platform::ui::detail {

HBITMAP MakeBitmap(const QImage& image, bool monochrome)
{
    GdiRecord* record = NewRecord(GdiKind::Bitmap);
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    record->image = monochrome ? Monochrome(opaque) : opaque;
    record->monochrome = monochrome;
    return record;
}

HICON MakeIcon(const QImage& image)
{
    GdiRecord* record = NewRecord(GdiKind::Icon);
    record->image = image.convertToFormat(QImage::Format_ARGB32);
    return record;
}

HFONT MakeFont(const QFont& font)
{
    GdiRecord* record = NewRecord(GdiKind::Font);
    record->font = font;
    record->logFont.lfFaceName = font.family().toStdString();
    record->logFont.lfHeight = -QFontInfo(font).pixelSize();
    record->logFont.lfWeight = font.weight() >= QFont::Bold ? FW_BOLD : FW_NORMAL;
    return record;
}

const QImage* ImageOf(HGDIOBJ bitmapOrIcon)
{
    GdiRecord* record = LiveRecord(bitmapOrIcon);
    if (!record || (record->kind != GdiKind::Bitmap && record->kind != GdiKind::Icon))
        return nullptr;
    return &record->image;
}

QFont FontOf(HFONT font)
{
    GdiRecord* record = LiveRecord(font);
    if (!record || record->kind != GdiKind::Font)
        record = GetStockObject(DEFAULT_GUI_FONT);
    return record->font;
}

std::optional<COLORREF> BrushColour(HBRUSH brush)
{
    GdiRecord* record = LiveRecord(brush);
    if (!record || record->kind != GdiKind::Brush || record->hollow)
        return std::nullopt;
    return record->colour;
}

QImage Monochrome(const QImage& image)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = row[x];
            const int level = NearerWhite(ColourRefOf(pixel)) ? 255 : 0;
            row[x] = qRgba(level, level, level, qAlpha(pixel));
        }
    }
    return result.convertToFormat(image.format());
}

} // namespace platform::ui::detail
