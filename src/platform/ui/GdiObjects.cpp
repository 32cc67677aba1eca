#include "platform/ui/Gdi.h"

#include "platform/ui/qt/GdiRecord.h"

#include <cstdlib>
#include <limits>
#include <memory>
#include <unordered_set>
#include <vector>

using namespace platform::ui::detail;

namespace {

std::unordered_set<GdiRecord*>& Live()
{
    static auto* live = new std::unordered_set<GdiRecord*>;
    return *live;
}

// Wrappers whose handle died while one of their own members may still be running; they go
// at the next FromHandle.
std::vector<std::unique_ptr<CGdiObject>>& Retired()
{
    static auto* retired = new std::vector<std::unique_ptr<CGdiObject>>;
    return *retired;
}

void Destroy(GdiRecord* record)
{
    Live().erase(record);
    if (record->temporary) {
        record->temporary->m_hObject = nullptr;
        Retired().push_back(std::move(record->temporary));
    }
    delete record;
}

std::unique_ptr<CGdiObject> MakeWrapper(GdiKind kind)
{
    switch (kind) {
    case GdiKind::Pen: return std::make_unique<CPen>();
    case GdiKind::Brush: return std::make_unique<CBrush>();
    case GdiKind::Font: return std::make_unique<CFont>();
    case GdiKind::Bitmap: return std::make_unique<CBitmap>();
    case GdiKind::Icon: break;
    }
    return std::make_unique<CGdiObject>();
}

bool WrapperFits(const CGdiObject* object, GdiKind kind)
{
    switch (kind) {
    case GdiKind::Pen: return dynamic_cast<const CPen*>(object) != nullptr;
    case GdiKind::Brush: return dynamic_cast<const CBrush*>(object) != nullptr;
    case GdiKind::Font: return dynamic_cast<const CFont*>(object) != nullptr;
    case GdiKind::Bitmap: return dynamic_cast<const CBitmap*>(object) != nullptr;
    case GdiKind::Icon: break;
    }
    return true;
}

GdiRecord* Stock(GdiKind kind)
{
    GdiRecord* record = NewRecord(kind);
    record->stock = true;
    return record;
}

GdiRecord* StockPen(int style, COLORREF colour)
{
    GdiRecord* record = Stock(GdiKind::Pen);
    record->penStyle = style;
    record->colour = colour;
    return record;
}

GdiRecord* StockBrush(COLORREF colour, bool hollow)
{
    GdiRecord* record = Stock(GdiKind::Brush);
    record->colour = colour;
    record->hollow = hollow;
    return record;
}

GdiRecord* StockFont(LONG height, LONG weight, const char* face)
{
    GdiRecord* record = Stock(GdiKind::Font);
    record->logFont.lfHeight = height;
    record->logFont.lfWeight = weight;
    record->logFont.lfCharSet = DEFAULT_CHARSET;
    record->logFont.lfFaceName = face;
    record->font = FontFromLogFont(record->logFont);
    return record;
}

} // namespace

namespace platform::ui::detail {

GdiRecord* NewRecord(GdiKind kind)
{
    auto record = std::make_unique<GdiRecord>(kind);
    Live().insert(record.get());
    return record.release();
}

GdiRecord* LiveRecord(HGDIOBJ handle)
{
    return handle && Live().count(handle) ? handle : nullptr;
}

void DropIfUnused(GdiRecord* record)
{
    if (record->deleted && record->uses == 0)
        Destroy(record);
}

bool NearerWhite(COLORREF colour)
{
    const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    const int toBlack = r * r + g * g + b * b;
    const int toWhite = (255 - r) * (255 - r) + (255 - g) * (255 - g) + (255 - b) * (255 - b);
    return toWhite < toBlack;
}

} // namespace platform::ui::detail

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    GdiRecord* record = LiveRecord(object);
    if (!record)
        return FALSE;
    if (m_hObject && m_hObject != object)
        DeleteObject();
    record->owner = this;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    if (GdiRecord* record = LiveRecord(object); record && record->owner == this)
        record->owner = nullptr;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object)
{
    Retired().clear();
    GdiRecord* record = LiveRecord(object);
    if (!record)
        return nullptr;
    if (record->owner && WrapperFits(record->owner, record->kind))
        return record->owner;
    if (!record->temporary) {
        record->temporary = MakeWrapper(record->kind);
        record->temporary->m_hObject = object;
    }
    return record->temporary.get();
}

BOOL CPen::CreatePen(int style, int width, COLORREF colour)
{
    GdiRecord* record = NewRecord(GdiKind::Pen);
    record->penStyle = style;
    record->penWidth = width < 0 ? 0 : width;
    record->colour = colour;
    return Attach(record);
}

CPen* CPen::FromHandle(HPEN pen)
{
    return dynamic_cast<CPen*>(CGdiObject::FromHandle(pen));
}

BOOL CBrush::CreateSolidBrush(COLORREF colour)
{
    GdiRecord* record = NewRecord(GdiKind::Brush);
    record->colour = colour;
    return Attach(record);
}

CBrush* CBrush::FromHandle(HBRUSH brush)
{
    return dynamic_cast<CBrush*>(CGdiObject::FromHandle(brush));
}

HGDIOBJ GetStockObject(int index)
{
    // Made on first use and kept for the life of the process.
    static GdiRecord* const whiteBrush = StockBrush(RGB(255, 255, 255), false);
    static GdiRecord* const blackBrush = StockBrush(RGB(0, 0, 0), false);
    static GdiRecord* const nullBrush = StockBrush(0, true);
    static GdiRecord* const whitePen = StockPen(PS_SOLID, RGB(255, 255, 255));
    static GdiRecord* const blackPen = StockPen(PS_SOLID, RGB(0, 0, 0));
    static GdiRecord* const nullPen = StockPen(PS_NULL, 0);
    switch (index) {
    case WHITE_BRUSH: return whiteBrush;
    case BLACK_BRUSH: return blackBrush;
    case NULL_BRUSH: return nullBrush;
    case WHITE_PEN: return whitePen;
    case BLACK_PEN: return blackPen;
    case NULL_PEN: return nullPen;
    case ANSI_VAR_FONT: {
        static GdiRecord* const font = StockFont(13, FW_NORMAL, "MS Sans Serif");
        return font;
    }
    case SYSTEM_FONT: {
        // The classic bold System font, 16 pixels from the top of the accents to the descenders.
        static GdiRecord* const font = StockFont(16, FW_BOLD, "System");
        return font;
    }
    case DEFAULT_GUI_FONT: {
        static GdiRecord* const font = StockFont(-11, FW_NORMAL, "MS Shell Dlg");
        return font;
    }
    default: return nullptr;
    }
}

BOOL DeleteObject(HGDIOBJ object)
{
    GdiRecord* record = LiveRecord(object);
    if (!record || record->deleted)
        return FALSE;
    if (record->stock)
        return TRUE;
    if (record->owner) {
        record->owner->m_hObject = nullptr;
        record->owner = nullptr;
    }
    record->deleted = true;
    DropIfUnused(record);
    return TRUE;
}

int GetObject(HGDIOBJ object, int size, LOGFONT* logFont)
{
    GdiRecord* record = LiveRecord(object);
    if (!record || record->kind != GdiKind::Font || !logFont || size < static_cast<int>(sizeof(LOGFONT)))
        return 0;
    *logFont = record->logFont;
    return static_cast<int>(sizeof(LOGFONT));
}

int GetObject(HGDIOBJ object, int size, BITMAP* bitmap)
{
    GdiRecord* record = LiveRecord(object);
    if (!record || record->kind != GdiKind::Bitmap || !bitmap || size < static_cast<int>(sizeof(BITMAP)))
        return 0;
    const LONG width = record->image.width();
    const WORD bits = record->monochrome ? 1 : 32;
    bitmap->bmType = 0;
    bitmap->bmWidth = width;
    bitmap->bmHeight = record->image.height();
    bitmap->bmWidthBytes = (width * bits + 15) / 16 * 2;
    bitmap->bmPlanes = 1;
    bitmap->bmBitsPixel = bits;
    bitmap->bmBits = nullptr;
    return static_cast<int>(sizeof(BITMAP));
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long magnitude = (std::llabs(product) + std::llabs(static_cast<long long>(c)) / 2) /
                                std::llabs(static_cast<long long>(c));
    const long long result = (product < 0) != (c < 0) ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(result);
}
