#include "platform/ui/DC.h"

#include "platform/ui/qt/DcFactory.h"
#include "platform/ui/qt/DcRecord.h"

#include <QGuiApplication>
#include <QScreen>

#include <unordered_set>

using namespace platform::ui::detail;

namespace {

std::unordered_set<DcRecord*>& LiveDcs()
{
    static auto* live = new std::unordered_set<DcRecord*>;
    return *live;
}

// The resolution fonts are laid out at: the screen's logical dots per inch (96 without a screen).
int DisplayDotsPerInch(bool vertical)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96;
    return qRound(vertical ? screen->logicalDotsPerInchY() : screen->logicalDotsPerInchX());
}

GdiRef* SlotFor(DcState& state, GdiKind kind)
{
    switch (kind) {
    case GdiKind::Pen: return &state.pen;
    case GdiKind::Brush: return &state.brush;
    case GdiKind::Font: return &state.font;
    case GdiKind::Bitmap: return &state.bitmap;
    case GdiKind::Icon: break;
    }
    return nullptr;
}

CGdiObject* Select(HDC dc, HGDIOBJ object)
{
    DcRecord* record = LiveDc(dc);
    GdiRecord* selected = LiveRecord(object);
    if (!record || !selected)
        return nullptr;
    if (selected->kind == GdiKind::Bitmap && !record->target->Memory())
        return nullptr;
    GdiRef* slot = SlotFor(record->state, selected->kind);
    if (!slot)
        return nullptr;
    GdiRecord* previous = slot->get();
    *slot = GdiRef(selected);
    // A previous object deleted while selected is gone now, and nothing can be put back.
    return CGdiObject::FromHandle(previous);
}

} // namespace

namespace platform::ui::detail {

DcRecord* LiveDc(HDC dc)
{
    return dc && LiveDcs().count(dc) ? dc : nullptr;
}

std::unique_ptr<CDC> MakeDcOnPainter(QPainter& painter)
{
    return std::make_unique<AdoptingDc>(new DcRecord(PainterTarget(painter)));
}

} // namespace platform::ui::detail

DcRecord::DcRecord(std::unique_ptr<DcTarget> where) : target(std::move(where))
{
    state.pen = GdiRef(GetStockObject(BLACK_PEN));
    state.brush = GdiRef(GetStockObject(WHITE_BRUSH));
    state.font = GdiRef(GetStockObject(SYSTEM_FONT));
    if (target->Memory())
        state.bitmap = GdiRef(DefaultBitmap());
    LiveDcs().insert(this);
}

DcRecord::~DcRecord()
{
    LiveDcs().erase(this);
    if (temporary)
        temporary->m_hDC = nullptr;
}

bool DcRecord::Monochrome() const
{
    return target->Memory() && state.bitmap.get() && state.bitmap->monochrome;
}

QColor DcRecord::DeviceColour(COLORREF colour) const
{
    if (Monochrome())
        return NearerWhite(colour) ? QColor(255, 255, 255) : QColor(0, 0, 0);
    return ColourOf(colour);
}

QFont DcRecord::Font() const
{
    return state.font->font;
}

CDC::~CDC()
{
    DeleteDC();
}

void CDC::Adopt(DcRecord* dc)
{
    DeleteDC();
    dc->owner = this;
    m_hDC = dc;
    m_owns = true;
}

CDC* CDC::FromHandle(HDC dc)
{
    DcRecord* record = LiveDc(dc);
    if (!record)
        return nullptr;
    if (record->owner)
        return record->owner;
    if (!record->temporary) {
        record->temporary = std::make_unique<CDC>();
        record->temporary->m_hDC = dc;
    }
    return record->temporary.get();
}

BOOL CDC::Attach(HDC dc)
{
    if (!LiveDc(dc))
        return FALSE;
    DeleteDC();
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    if (DcRecord* record = LiveDc(dc); record && m_owns)
        record->owner = nullptr;
    m_hDC = nullptr;
    m_owns = false;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    Adopt(new DcRecord(MemoryTarget()));
    return TRUE;
}

BOOL CDC::CreateDC(LPCTSTR driver, LPCTSTR, LPCTSTR, const void*)
{
    if (!driver || CString(driver).CompareNoCase("DISPLAY") != 0)
        return FALSE;
    Adopt(new DcRecord(InformationTarget()));
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    // A DC only attached belongs to someone else.
    if (m_owns)
        delete LiveDc(m_hDC);
    m_hDC = nullptr;
    m_owns = false;
    return TRUE;
}

int CDC::GetDeviceCaps(int index) const
{
    switch (index) {
    case LOGPIXELSX: return DisplayDotsPerInch(false);
    case LOGPIXELSY: return DisplayDotsPerInch(true);
    case RASTERCAPS: return RC_BITBLT;
    default: return 0;
    }
}

CPen* CDC::SelectObject(CPen* pen)
{
    return dynamic_cast<CPen*>(Select(m_hDC, pen ? pen->m_hObject : nullptr));
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return dynamic_cast<CBrush*>(Select(m_hDC, brush ? brush->m_hObject : nullptr));
}

CFont* CDC::SelectObject(CFont* font)
{
    return dynamic_cast<CFont*>(Select(m_hDC, font ? font->m_hObject : nullptr));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return dynamic_cast<CBitmap*>(Select(m_hDC, bitmap ? bitmap->m_hObject : nullptr));
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    return Select(m_hDC, object ? object->m_hObject : nullptr);
}

CGdiObject* CDC::SelectStockObject(int index)
{
    return Select(m_hDC, GetStockObject(index));
}

COLORREF CDC::SetTextColor(COLORREF colour)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return CLR_INVALID;
    const COLORREF previous = record->state.textColour;
    record->state.textColour = colour;
    return previous;
}

COLORREF CDC::GetTextColor() const
{
    DcRecord* record = LiveDc(m_hDC);
    return record ? record->state.textColour : CLR_INVALID;
}

COLORREF CDC::SetBkColor(COLORREF colour)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return CLR_INVALID;
    const COLORREF previous = record->state.bkColour;
    record->state.bkColour = colour;
    return previous;
}

COLORREF CDC::GetBkColor() const
{
    DcRecord* record = LiveDc(m_hDC);
    return record ? record->state.bkColour : CLR_INVALID;
}

int CDC::SetBkMode(int mode)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record || (mode != OPAQUE && mode != TRANSPARENT))
        return 0;
    const int previous = record->state.bkMode;
    record->state.bkMode = mode;
    return previous;
}

int CDC::GetBkMode() const
{
    DcRecord* record = LiveDc(m_hDC);
    return record ? record->state.bkMode : 0;
}

int CDC::SetPolyFillMode(int mode)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record || (mode != ALTERNATE && mode != WINDING))
        return 0;
    const int previous = record->state.polyFillMode;
    record->state.polyFillMode = mode;
    return previous;
}

int CDC::SaveDC()
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return 0;
    record->saved.push_back(record->state);
    return static_cast<int>(record->saved.size());
}

BOOL CDC::RestoreDC(int savedDc)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return FALSE;
    const int levels = static_cast<int>(record->saved.size());
    const int level = savedDc < 0 ? levels + 1 + savedDc : savedDc;
    if (level < 1 || level > levels)
        return FALSE;
    record->state = record->saved[static_cast<size_t>(level - 1)];
    record->saved.resize(static_cast<size_t>(level - 1));
    return TRUE;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return 0;
    const QRegion area(right > left && bottom > top ? QRect(left, top, right - left, bottom - top) : QRect());
    std::optional<QRegion>& clip = record->state.clip;
    clip = clip ? clip->intersected(area) : area;
    if (clip->isEmpty())
        return NULLREGION;
    return clip->rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int CDC::IntersectClipRect(LPCRECT rect)
{
    return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom);
}
