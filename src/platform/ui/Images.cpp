#include "platform/ui/Images.h"

#include "platform/Files.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/GdiRecord.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <optional>
#include <string>

using namespace platform::ui::detail;

namespace {

QImage Sized(const QImage& image, int cx, int cy)
{
    const int width = cx > 0 ? cx : image.width();
    const int height = cy > 0 ? cy : image.height();
    if (width == image.width() && height == image.height())
        return image;
    return image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// An icon file may hold several sizes: the one asked for, else the first.
QImage IconFrame(QImageReader& reader, int cx)
{
    QImage first;
    for (int frame = 0; frame < std::max(1, reader.imageCount()); ++frame) {
        if (frame > 0 && !reader.jumpToImage(frame))
            break;
        QImage image = reader.read();
        if (image.isNull())
            continue;
        if (first.isNull())
            first = image;
        if (cx > 0 && image.width() == cx)
            return image;
    }
    return first;
}

// Pictures are read as every other file is, so a link someone else could have put in a shared
// folder shows nothing; a picture file past this size is no picture the program ships or makes.
constexpr size_t kMaxPictureBytes = 64u << 20;

QByteArray PictureBytes(const std::string& file)
{
    const std::optional<std::string> bytes = platform::ReadFileBytes(file, kMaxPictureBytes);
    return bytes ? QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())) : QByteArray();
}

bool Transparent(QRgb pixel)
{
    return qAlpha(pixel) < 128;
}

} // namespace

HGDIOBJ LoadImage(std::nullptr_t, LPCTSTR path, UINT type, int cx, int cy, UINT flags)
{
    if (!path || !(flags & LR_LOADFROMFILE))
        return nullptr;
    std::string file(path);
    std::replace(file.begin(), file.end(), '\\', '/');
    const bool monochrome = (flags & LR_MONOCHROME) != 0;
    if (type != IMAGE_BITMAP && type != IMAGE_ICON)
        return nullptr;
    QByteArray bytes = PictureBytes(file);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (type == IMAGE_BITMAP) {
        QImageReader reader(&buffer, "bmp");
        const QImage image = reader.read();
        return image.isNull() ? nullptr : MakeBitmap(Sized(image, cx, cy), monochrome);
    }
    QImageReader reader(&buffer, "ico");
    const QImage image = IconFrame(reader, cx);
    if (image.isNull())
        return nullptr;
    const QImage sized = Sized(image, cx, cy);
    return MakeIcon(monochrome ? Monochrome(sized) : sized);
}

HGDIOBJ CopyImage(HGDIOBJ image, UINT type, int cx, int cy, UINT flags)
{
    GdiRecord* record = LiveRecord(image);
    if (!record)
        return nullptr;
    const bool monochrome = (flags & LR_MONOCHROME) != 0;
    const QImage sized = Sized(record->image, cx, cy);
    if (type == IMAGE_BITMAP && record->kind == GdiKind::Bitmap)
        return MakeBitmap(sized, monochrome || record->monochrome);
    if (type == IMAGE_ICON && record->kind == GdiKind::Icon)
        return MakeIcon(monochrome ? Monochrome(sized) : sized);
    return nullptr;
}

BOOL DestroyIcon(HICON icon)
{
    GdiRecord* record = LiveRecord(icon);
    return record && record->kind == GdiKind::Icon ? DeleteObject(icon) : FALSE;
}

BOOL GetIconInfo(HICON icon, ICONINFO* info)
{
    GdiRecord* record = LiveRecord(icon);
    if (!record || record->kind != GdiKind::Icon || !info)
        return FALSE;
    const QImage& image = record->image;
    QImage mask(image.size(), QImage::Format_RGB32);
    QImage colour(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool clear = Transparent(pixel);
            mask.setPixel(x, y, clear ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            colour.setPixel(x, y, clear ? qRgb(0, 0, 0) : qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
    }
    info->fIcon = TRUE;
    info->xHotspot = static_cast<DWORD>(image.width() / 2);
    info->yHotspot = static_cast<DWORD>(image.height() / 2);
    info->hbmMask = MakeBitmap(mask, true);
    info->hbmColor = MakeBitmap(colour);
    return TRUE;
}

HICON CreateIconIndirect(const ICONINFO* info)
{
    GdiRecord* colour = info ? LiveRecord(info->hbmColor) : nullptr;
    if (!colour || colour->kind != GdiKind::Bitmap)
        return nullptr;
    GdiRecord* mask = LiveRecord(info->hbmMask);
    const bool masked = mask && mask->kind == GdiKind::Bitmap;
    QImage image = colour->image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (masked && mask->image.valid(x, y) && qRed(mask->image.pixel(x, y)) != 0)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    return MakeIcon(image);
}
