#pragma once
// Private to the window layer: what a DC handle stands for. The DC keeps its own state (the
// selected objects, colours, modes, clip) and sets a painter up from it for each drawing, so
// a painter lent by a window's paint is left as it was found.

#include "platform/ui/DC.h"
#include "platform/ui/qt/GdiRecord.h"

#include <QPainter>
#include <QRegion>
#include <memory>
#include <optional>
#include <vector>

namespace platform::ui::detail {

struct DcState {
    GdiRef pen;
    GdiRef brush;
    GdiRef font;
    GdiRef bitmap;                 // memory DCs only
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int polyFillMode = ALTERNATE;
    QPoint position;
    std::optional<QRegion> clip;   // none: the whole surface
};

// Where a DC's drawing goes.
class DcTarget {
public:
    virtual ~DcTarget() = default;
    // The painter for one drawing, or nullptr when the DC shows nothing.
    virtual QPainter* Begin(const DcState& state) = 0;
    // `touched` covers what the drawing may have changed.
    virtual void End(const QRect& touched) = 0;
    // The pixels under the DC when they can be read, and where the DC's (0, 0) lies in them.
    virtual const QImage* Pixels(const DcState& state, QPoint* origin) const = 0;
    virtual bool Memory() const { return false; }
};

std::unique_ptr<DcTarget> PainterTarget(QPainter& painter);
std::unique_ptr<DcTarget> MemoryTarget();
std::unique_ptr<DcTarget> InformationTarget();

// The 1 x 1 monochrome bitmap a memory DC starts with.
GdiRecord* DefaultBitmap();

// Sets a painter up for one drawing: no smoothing, ordinary blending, the DC's clip.
void PreparePainter(QPainter& painter, const DcState& state);

} // namespace platform::ui::detail

struct DcRecord {
    explicit DcRecord(std::unique_ptr<platform::ui::detail::DcTarget> where);
    ~DcRecord();

    std::unique_ptr<platform::ui::detail::DcTarget> target;
    platform::ui::detail::DcState state;
    std::vector<platform::ui::detail::DcState> saved;
    CDC* owner = nullptr;
    std::unique_ptr<CDC> temporary;   // the wrapper FromHandle made when nobody held the DC

    // A memory DC with a monochrome bitmap selected.
    bool Monochrome() const;
    // A colour as the device shows it.
    QColor DeviceColour(COLORREF colour) const;
    QFont Font() const;
};

namespace platform::ui::detail {

// The record behind a handle, or nullptr for a DC that is gone.
DcRecord* LiveDc(HDC dc);

// One drawing on a DC: a painter set up with the DC's clip and without smoothing. Tell it
// what the drawing touched, for windows that show the drawing later.
class DcPaint {
public:
    explicit DcPaint(DcRecord* dc);
    ~DcPaint();
    DcPaint(const DcPaint&) = delete;
    DcPaint& operator=(const DcPaint&) = delete;

    explicit operator bool() const { return m_painter != nullptr; }
    QPainter* operator->() const { return m_painter; }
    QPainter& operator*() const { return *m_painter; }
    void Touch(const QRect& area) { m_touched |= area; }
    // Fills and touches.
    void Fill(const QRect& area, COLORREF colour);

private:
    DcRecord* m_dc;
    QPainter* m_painter;
    QRect m_touched;
};

// A CDC that owns a record the layer made.
class AdoptingDc : public CDC {
public:
    explicit AdoptingDc(DcRecord* dc) { Adopt(dc); }
};

// Draws an image with alpha at its own size, or scaled to `size` without smoothing.
void DrawImageOn(DcRecord* dc, const QPoint& at, const QImage& image, QSize size = {});

} // namespace platform::ui::detail
