#pragma once
// Device contexts in the shape of MFC's CDC: drawing with the Windows rules (rectangles leave
// out their right and bottom edges, lines their end point, pens are never smoothed).
// Free of Qt.

#include "platform/CString.h"
#include "platform/ui/Gdi.h"

class CWnd;

class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // The object that made a DC; for a DC met only by handle, a wrapper living as long as it.
    static CDC* FromHandle(HDC dc);
    // Wraps a DC made elsewhere without taking it over.
    BOOL Attach(HDC dc);
    HDC Detach();

    // A DC drawing on a bitmap of its own (at first a 1 x 1 monochrome one).
    BOOL CreateCompatibleDC(CDC* dc);
    // Only "DISPLAY": a DC that answers questions about the screen and draws nowhere.
    BOOL CreateDC(LPCTSTR driver, LPCTSTR device, LPCTSTR output, const void* initData);
    BOOL DeleteDC();
    BOOL IsPrinting() const { return FALSE; }
    // LOGPIXELSX and LOGPIXELSY are the display's (96 on most desktops); RASTERCAPS has no palette.
    int GetDeviceCaps(int index) const;

    // Selecting returns what was selected before, to put back later.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    CGdiObject* SelectStockObject(int index);

    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SetPolyFillMode(int mode);

    // SaveDC returns the level; RestoreDC takes it, or -1 for the last one saved.
    int SaveDC();
    BOOL RestoreDC(int savedDc);
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect);

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect);
    BOOL RoundRect(LPCRECT rect, POINT corner);
    BOOL Polygon(const POINT* points, int count);

    void FillRect(LPCRECT rect, CBrush* brush);
    // Leaves the background colour set to the fill colour, as MFC does.
    void FillSolidRect(LPCRECT rect, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    void FrameRect(LPCRECT rect, CBrush* brush);
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    // DFC_BUTTON with DFCS_BUTTONPUSH only.
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state);
    // Inverts every other pixel of the rectangle's border, so drawing it twice removes it.
    void DrawFocusRect(LPCRECT rect);

    int DrawText(const CString& text, LPRECT rect, UINT format);
    int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
    BOOL TextOut(int x, int y, const CString& text);
    BOOL TextOut(int x, int y, LPCTSTR text, int count);
    CSize GetTextExtent(const CString& text) const;
    CSize GetTextExtent(LPCTSTR text, int count) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

    // SRCCOPY, SRCAND and SRCPAINT.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    COLORREF SetPixel(int x, int y, COLORREF colour);
    COLORREF SetPixel(POINT point, COLORREF colour) { return SetPixel(point.x, point.y, colour); }

    // An icon or bitmap, normal or disabled (embossed in the 3-D highlight and shadow colours);
    // a size of 0 takes the image's own. Brushes only matter for monochrome states, which
    // the program does not use.
    BOOL DrawState(CPoint point, CSize size, HGDIOBJ image, UINT flags, CBrush* brush = nullptr);
    BOOL DrawState(CPoint point, CSize size, CBitmap* bitmap, UINT flags, CBrush* brush = nullptr);
    BOOL DrawState(CPoint point, CSize size, LPCTSTR text, UINT flags, BOOL prefixText = TRUE, int textLength = 0,
                   CBrush* brush = nullptr);

protected:
    // Takes over a DC record made by the layer.
    void Adopt(DcRecord* dc);

private:
    bool m_owns = false;
};

// Draws an icon; a size of 0 takes the icon's own.
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flickerFree, UINT flags);

// The DC of a window's paint in progress; outside a paint it draws like a CClientDC.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    HWND m_hWnd = nullptr;
};

// Drawing on a window outside its paint: it stays on the window, beneath its children, until
// that part of the window is erased.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    HWND m_hWnd = nullptr;
};

// Our windows have no frame of their own to draw on: the same as a CClientDC.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* window);
    HWND m_hWnd = nullptr;
};
