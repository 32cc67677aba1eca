#pragma once
// Image lists in the shape of MFC's CImageList: equal-sized images cut from bitmaps, shown by
// list views and toolbars or drawn on a DC. Free of Qt.

#include "platform/ui/GdiDefs.h"

class CBitmap;
class CDC;

struct ImageListRecord;
using HIMAGELIST = ImageListRecord*;

constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR32 = 0x0020;
constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;

class CImageList {
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // Images of cx x cy pixels; ILC_MASK lets images have transparent parts. The counts only
    // tune memory on Windows.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();

    // A bitmap adds as many images as its width holds; returns the index of the first, or -1.
    // In a list with ILC_MASK, white in the mask bitmap (or the mask colour in the bitmap)
    // is transparent.
    int Add(CBitmap* bitmap, CBitmap* mask);
    int Add(CBitmap* bitmap, COLORREF maskColour);
    // -1 removes every image.
    BOOL Remove(int index);
    // Drops the images past the count, or adds empty (transparent) ones up to it.
    BOOL SetImageCount(UINT count);
    int GetImageCount() const;
    // Transparent parts stay as they were, whatever the style.
    BOOL Draw(CDC* dc, int index, POINT point, UINT style);
    // A new icon of the image, for the caller to destroy.
    HICON ExtractIcon(int index);
};

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
