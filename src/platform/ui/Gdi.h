#pragma once
// Pens, brushes, fonts and bitmaps in the shape of the MFC classes, and the object functions
// of the Windows API the program calls. Free of Qt.

#include "platform/ui/GdiDefs.h"

class CDC;

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }

    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    // The object holding a handle; for a handle nobody holds, a wrapper that lives as long as
    // the handle does.
    static CGdiObject* FromHandle(HGDIOBJ object);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    BOOL CreatePen(int style, int width, COLORREF colour);
    static CPen* FromHandle(HPEN pen);
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    BOOL CreateSolidBrush(COLORREF colour);
    static CBrush* FromHandle(HBRUSH brush);
};

class CFont : public CGdiObject {
public:
    // The numbers are ints so that BOOL flags and byte fields pass without conversions.
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, int italic, int underline,
                    int strikeOut, int charSet, int outPrecision, int clipPrecision, int quality,
                    int pitchAndFamily, LPCTSTR faceName);
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    // Tenths of a point at the screen's 96 pixels per inch.
    BOOL CreatePointFont(int pointTenths, LPCTSTR faceName, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* logFont) const;
    static CFont* FromHandle(HFONT font);
};

class CBitmap : public CGdiObject {
public:
    // Reads a .bmp file; a missing or unreadable file fails and leaves the object empty.
    BOOL LoadBitmap(LPCTSTR path);
    // Black at first. A memory DC that still has its initial bitmap makes a monochrome one,
    // as Windows does.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // One plane of 1 bit (rows padded to 16 bits, first pixel in the high bit) or 32 bits
    // (blue, green, red, unused); without bits the bitmap starts black.
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    int GetBitmap(BITMAP* bitmap) const;
    static CBitmap* FromHandle(HBITMAP bitmap);
};

HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ object);
int GetObject(HGDIOBJ object, int size, LOGFONT* logFont);
int GetObject(HGDIOBJ object, int size, BITMAP* bitmap);

// a * b / c rounded to the nearest integer; -1 when c is 0 or the result does not fit.
int MulDiv(int a, int b, int c);
