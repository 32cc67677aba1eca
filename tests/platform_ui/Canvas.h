#pragma once
// A memory DC on a colour bitmap filled white, so tests can read back what was drawn.

#include "platform/ui/DC.h"

#include <algorithm>
#include <string>

class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height)
    {
        CDC screen;
        screen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
        m_bitmap.CreateCompatibleBitmap(&screen, width, height);
        dc.CreateCompatibleDC(&screen);
        m_previous = dc.SelectObject(&m_bitmap);
        Clear(RGB(255, 255, 255));
    }
    ~Canvas() { dc.SelectObject(m_previous); }

    void Clear(COLORREF colour)
    {
        const COLORREF background = dc.GetBkColor();
        dc.FillSolidRect(0, 0, m_width, m_height, colour);
        dc.SetBkColor(background);
    }

    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }

    // Pixels of that colour inside [left, right) x [top, bottom).
    int Count(COLORREF colour, const CRect& area) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x)
                count += At(x, y) == colour ? 1 : 0;
        }
        return count;
    }
    int Count(COLORREF colour) const { return Count(colour, CRect(0, 0, m_width, m_height)); }

    // The smallest rectangle holding every pixel that is not `background` (empty when none).
    CRect Ink(COLORREF background = RGB(255, 255, 255)) const
    {
        CRect ink(m_width, m_height, 0, 0);
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                if (At(x, y) == background)
                    continue;
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
        }
        return ink.IsRectEmpty() ? CRect() : ink;
    }

    // A row as text: `on` for that colour, '.' for white, '?' for anything else.
    std::string Row(int y, int from, int to, COLORREF colour, char on = '#') const
    {
        std::string row;
        for (int x = from; x < to; ++x) {
            const COLORREF pixel = At(x, y);
            row += pixel == colour ? on : pixel == RGB(255, 255, 255) ? '.' : '?';
        }
        return row;
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    mutable CDC dc;

private:
    int m_width;
    int m_height;
    CBitmap m_bitmap;
    CBitmap* m_previous = nullptr;
};
