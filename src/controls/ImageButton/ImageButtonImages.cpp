// The images of the bitmap button: icons, bitmaps with their masks, and the grey icon.
#include "controls/ImageButton/ImageButton.h"

#include "controls/IconPixels.h"

#include "platform/ui/Images.h"
#include "platform/ui/Resources.h"

#include <cstdint>

namespace {

struct IconSize {
    DWORD width = 0;
    DWORD height = 0;
};

// Twice the hot spot, which sits at the icon's centre; false when the icon cannot be read.
bool ReadIconSize(HICON icon, IconSize* size)
{
    ICONINFO info;
    if (!GetIconInfo(icon, &info))
        return false;
    size->width = info.xHotspot * 2;
    size->height = info.yHotspot * 2;
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return true;
}

} // namespace

void CImageButton::FreeResources(BOOL destroy)
{
    if (destroy) {
        for (IconRecord* icon : {&m_icons[0], &m_icons[1], &m_disabledIcon})
            if (icon->handle)
                DestroyIcon(icon->handle);
        for (BitmapRecord& bitmap : m_bitmaps) {
            if (bitmap.handle)
                DeleteObject(bitmap.handle);
            if (bitmap.mask)
                DeleteObject(bitmap.mask);
        }
    }
    m_icons[0] = m_icons[1] = m_disabledIcon = IconRecord();
    m_bitmaps[0] = m_bitmaps[1] = BitmapRecord();
}

DWORD CImageButton::SetIcon(int idIn, int idOut)
{
    HICON in = LoadIconResource(static_cast<UINT>(idIn), 0, 0);
    HICON out = idOut == kNoIcon    ? nullptr
                : idOut == kGreyIcon ? reinterpret_cast<HICON>(static_cast<intptr_t>(kGreyIcon))
                                     : LoadIconResource(static_cast<UINT>(idOut), 0, 0);
    return SetIcon(in, out);
}

// The button owns the icons handed to it, also those it refuses.
DWORD CImageButton::SetIcon(HICON in, HICON out)
{
    FreeResources(TRUE);
    const bool grey = out == reinterpret_cast<HICON>(static_cast<intptr_t>(kGreyIcon));
    IconSize size;
    if (!in || !ReadIconSize(in, &size)) {
        if (in)
            DestroyIcon(in);
        if (out && !grey)
            DestroyIcon(out);
        Invalidate();
        return in ? kImageFailed : kOk;
    }
    m_icons[0] = IconRecord{in, size.width, size.height};
    if (grey)
        out = CreateGreyIcon(in);
    if (out || grey) {
        // A grey copy that could not be made counts as an unreadable icon.
        if (!out || !ReadIconSize(out, &size)) {
            if (out)
                DestroyIcon(out);
            FreeResources(TRUE);
            return kImageFailed;
        }
        m_icons[1] = IconRecord{out, size.width, size.height};
    }
    Invalidate();
    return kOk;
}

DWORD CImageButton::SetIcon(int idIn, CSize sizeIn, int idOut, CSize sizeOut, int idDisabled, CSize sizeDisabled)
{
    FreeResources(TRUE);
    const auto load = [](int id, CSize size) {
        return IconRecord{id ? LoadIconResource(static_cast<UINT>(id), size.cx, size.cy) : nullptr,
                          static_cast<DWORD>(size.cx), static_cast<DWORD>(size.cy)};
    };
    m_icons[0] = load(idIn, sizeIn);
    m_icons[1] = load(idOut, sizeOut);
    m_disabledIcon = load(idDisabled, sizeDisabled);
    if ((idIn && !m_icons[0].handle) || (idOut && !m_icons[1].handle) || (idDisabled && !m_disabledIcon.handle)) {
        FreeResources(TRUE);
        return kImageFailed;
    }
    Invalidate();
    return kOk;
}

DWORD CImageButton::SetBitmaps(int idIn, COLORREF transparentIn, int idOut, COLORREF transparentOut)
{
    HBITMAP in = LoadBitmapResource(static_cast<UINT>(idIn));
    HBITMAP out = idOut ? LoadBitmapResource(static_cast<UINT>(idOut)) : nullptr;
    return SetBitmaps(in, transparentIn, out, transparentOut);
}

DWORD CImageButton::SetBitmaps(HBITMAP in, COLORREF transparentIn, HBITMAP out, COLORREF transparentOut)
{
    FreeResources(TRUE);
    const HBITMAP given[2] = {in, out};
    const COLORREF transparent[2] = {transparentIn, transparentOut};
    for (int state = 0; state < 2; ++state) {
        if (!given[state])
            continue;
        BitmapRecord& record = m_bitmaps[state];
        record.handle = given[state];
        record.transparent = transparent[state];
        BITMAP size;
        if (!GetObject(record.handle, static_cast<int>(sizeof(BITMAP)), &size)) {
            if (state == 0 && out)
                DeleteObject(out);
            FreeResources(TRUE);
            return kImageFailed;
        }
        record.width = static_cast<DWORD>(size.bmWidth);
        record.height = static_cast<DWORD>(size.bmHeight);
        record.mask = CreateMaskBitmap(record.handle, record.width, record.height, record.transparent);
        if (!record.mask) {
            if (state == 0 && out)
                DeleteObject(out);
            FreeResources(TRUE);
            return kMaskFailed;
        }
    }
    Invalidate();
    return kOk;
}

HBITMAP CreateMaskBitmap(HBITMAP source, DWORD width, DWORD height, COLORREF transparent)
{
    CBitmap mask;
    if (!mask.CreateBitmap(static_cast<int>(width), static_cast<int>(height), 1, 1, nullptr))
        return nullptr;
    CDC sourceDc;
    CDC maskDc;
    sourceDc.CreateCompatibleDC(nullptr);
    maskDc.CreateCompatibleDC(nullptr);
    CBitmap* previousSource = sourceDc.SelectObject(CBitmap::FromHandle(source));
    CBitmap* previousMask = maskDc.SelectObject(&mask);
    const COLORREF previousBack = sourceDc.SetBkColor(transparent);
    maskDc.BitBlt(0, 0, static_cast<int>(width), static_cast<int>(height), &sourceDc, 0, 0, SRCCOPY);
    const COLORREF previousText = sourceDc.SetTextColor(RGB(255, 255, 255));
    sourceDc.SetBkColor(RGB(0, 0, 0));
    sourceDc.BitBlt(0, 0, static_cast<int>(width), static_cast<int>(height), &maskDc, 0, 0, SRCAND);
    sourceDc.SetTextColor(previousText);
    sourceDc.SetBkColor(previousBack);
    sourceDc.SelectObject(previousSource);
    maskDc.SelectObject(previousMask);
    return mask.Detach();
}

HICON CreateGreyIcon(HICON icon)
{
    return RecolourIcon(icon, [](std::uint32_t pixel) {
        if ((pixel & 0xFFFFFF) == 0)
            return pixel;
        const double blue = pixel & 0xFF, green = (pixel >> 8) & 0xFF, red = (pixel >> 16) & 0xFF;
        const auto level = static_cast<std::uint32_t>(0.299 * red + 0.587 * green + 0.114 * blue);
        return (pixel & 0xFF000000u) | (level << 16) | (level << 8) | level;
    });
}
