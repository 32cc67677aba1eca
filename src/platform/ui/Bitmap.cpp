#include "platform/ui/Gdi.h"

#include "platform/ui/Images.h"
#include "platform/ui/qt/DcRecord.h"
#include "platform/ui/qt/GdiAccess.h"

using namespace platform::ui::detail;

namespace {

QImage BlackImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// Rows of whole 16-bit words; a set bit is white.
QImage FromMonochromeBits(int width, int height, const BYTE* bits)
{
    QImage image = BlackImage(width, height);
    const int stride = (width + 15) / 16 * 2;
    for (int y = 0; y < height; ++y) {
        const BYTE* row = bits + y * stride;
        for (int x = 0; x < width; ++x) {
            if (row[x / 8] & (0x80 >> (x % 8)))
                image.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    return image;
}

QImage FromColourBits(int width, int height, const BYTE* bits)
{
    QImage image = BlackImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const BYTE* pixel = bits + (y * width + x) * 4;
            image.setPixel(x, y, qRgb(pixel[2], pixel[1], pixel[0]));
        }
    }
    return image;
}

} // namespace

BOOL CBitmap::LoadBitmap(LPCTSTR path)
{
    HGDIOBJ bitmap = LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    return bitmap ? Attach(bitmap) : FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    DcRecord* record = dc ? LiveDc(dc->m_hDC) : nullptr;
    if (width <= 0 || height <= 0)
        return Attach(MakeBitmap(BlackImage(1, 1), true));
    const bool monochrome = record && record->Monochrome();
    return Attach(MakeBitmap(BlackImage(width, height), monochrome));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    if (width <= 0 || height <= 0 || planes != 1)
        return FALSE;
    const bool monochrome = bitsPerPixel == 1;
    const auto* bytes = static_cast<const BYTE*>(bits);
    QImage image = BlackImage(width, height);
    if (bytes && monochrome)
        image = FromMonochromeBits(width, height, bytes);
    else if (bytes && bitsPerPixel == 32)
        image = FromColourBits(width, height, bytes);
    return Attach(MakeBitmap(image, monochrome));
}

int CBitmap::GetBitmap(BITMAP* bitmap) const
{
    return GetObject(m_hObject, static_cast<int>(sizeof(BITMAP)), bitmap);
}

CBitmap* CBitmap::FromHandle(HBITMAP bitmap)
{
    return dynamic_cast<CBitmap*>(CGdiObject::FromHandle(bitmap));
}
