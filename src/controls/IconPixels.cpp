#include "controls/IconPixels.h"

#include "platform/ui/Gdi.h"
#include "platform/ui/Images.h"
#include "platform/ui/Resources.h"

#include <vector>

HICON RecolourIcon(HICON icon, const std::function<std::uint32_t(std::uint32_t)>& recolour)
{
    ICONINFO info;
    if (!icon || !GetIconInfo(icon, &info))
        return nullptr;
    BITMAP size;
    HICON made = nullptr;
    if (GetObject(info.hbmColor, sizeof(BITMAP), &size) && size.bmWidth > 0 && size.bmHeight > 0) {
        std::vector<std::uint32_t> pixels(static_cast<size_t>(size.bmWidth) * static_cast<size_t>(size.bmHeight));
        const LONG bytes = static_cast<LONG>(pixels.size() * 4);
        if (GetBitmapBits(info.hbmColor, bytes, pixels.data()) == bytes) {
            for (std::uint32_t& pixel : pixels)
                pixel = recolour(pixel);
            CBitmap colour;
            if (colour.CreateBitmap(size.bmWidth, size.bmHeight, 1, 32, pixels.data())) {
                ICONINFO parts = info;
                parts.hbmColor = static_cast<HBITMAP>(colour.GetSafeHandle());
                made = CreateIconIndirect(&parts);
            }
        }
    }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return made;
}
