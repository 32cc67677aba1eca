#pragma once
// Private to the window layer: what a pen, brush, font, bitmap or icon handle stands for.

#include "platform/ui/Gdi.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <memory>

enum class GdiKind { Pen, Brush, Font, Bitmap, Icon };

struct GdiRecord {
    explicit GdiRecord(GdiKind k) : kind(k) {}

    GdiKind kind;
    bool stock = false;          // stock objects and system colour brushes are never deleted
    bool deleted = false;        // deleted while a DC still held it: goes with the last use
    int uses = 0;                // selections in DCs, saved DC states included
    CGdiObject* owner = nullptr; // the object holding the handle, if any
    std::unique_ptr<CGdiObject> temporary;  // the wrapper FromHandle made when nobody held it

    // Pens and brushes.
    int penStyle = PS_SOLID;     // PS_NULL for the null pen
    int penWidth = 0;
    bool hollow = false;         // the null brush
    COLORREF colour = 0;

    // Fonts: the description as given and the font it became.
    LOGFONT logFont;
    QFont font;

    // Bitmaps keep opaque pixels; icons keep pixels with alpha.
    QImage image;
    bool monochrome = false;
};

namespace platform::ui::detail {

GdiRecord* NewRecord(GdiKind kind);
// The record behind a handle, or nullptr for a handle that is not alive.
GdiRecord* LiveRecord(HGDIOBJ handle);
// Frees a record nobody uses any more.
void DropIfUnused(GdiRecord* record);

// Keeps a record alive while a DC state holds it.
class GdiRef {
public:
    GdiRef() = default;
    explicit GdiRef(GdiRecord* record) : m_record(record) { if (m_record) ++m_record->uses; }
    GdiRef(const GdiRef& other) : GdiRef(other.m_record) {}
    GdiRef& operator=(const GdiRef& other)
    {
        GdiRef copy(other);
        std::swap(m_record, copy.m_record);
        return *this;
    }
    ~GdiRef()
    {
        if (m_record) {
            --m_record->uses;
            DropIfUnused(m_record);
        }
    }
    GdiRecord* get() const { return m_record; }
    GdiRecord* operator->() const { return m_record; }

private:
    GdiRecord* m_record = nullptr;
};

inline QColor ColourOf(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

inline COLORREF ColourRefOf(QRgb pixel)
{
    return RGB(static_cast<BYTE>(qRed(pixel)), static_cast<BYTE>(qGreen(pixel)), static_cast<BYTE>(qBlue(pixel)));
}

// Monochrome devices know only black and white: a colour becomes the nearer of the two.
bool NearerWhite(COLORREF colour);

// The font a description becomes (size, weight, style, antialiasing).
QFont FontFromLogFont(const LOGFONT& logFont);

} // namespace platform::ui::detail
