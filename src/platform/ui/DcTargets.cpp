#include "platform/ui/qt/DcRecord.h"

#include "platform/ui/qt/GdiAccess.h"

#include <QPaintEngine>

namespace platform::ui::detail {

namespace {

// A painter someone else began (a window's paint): each drawing leaves its state as found.
class OnPainter : public DcTarget {
public:
    explicit OnPainter(QPainter& painter) : m_painter(painter) {}

    QPainter* Begin(const DcState& state) override
    {
        m_painter.save();
        PreparePainter(m_painter, state);
        return &m_painter;
    }

    void End(const QRect&) override { m_painter.restore(); }

    const QImage* Pixels(const DcState&, QPoint* origin) const override
    {
        // A widget's paint goes to an image of its window; reading it shows what is drawn so far.
        QPaintEngine* engine = m_painter.paintEngine();
        QPaintDevice* device = engine ? engine->paintDevice() : m_painter.device();
        if (!device || device->devType() != QInternal::Image)
            return nullptr;
        *origin = m_painter.deviceTransform().map(QPoint(0, 0));
        return static_cast<QImage*>(device);
    }

private:
    QPainter& m_painter;
};

class OnBitmap : public DcTarget {
public:
    QPainter* Begin(const DcState& state) override
    {
        QImage& image = state.bitmap->image;
        if (image.isNull() || !m_painter.begin(&image))
            return nullptr;
        PreparePainter(m_painter, state);
        return &m_painter;
    }

    void End(const QRect&) override { m_painter.end(); }

    const QImage* Pixels(const DcState& state, QPoint* origin) const override
    {
        *origin = QPoint(0, 0);
        return &state.bitmap->image;
    }

    bool Memory() const override { return true; }

private:
    QPainter m_painter;
};

class Nowhere : public DcTarget {
public:
    QPainter* Begin(const DcState&) override { return nullptr; }
    void End(const QRect&) override {}
    const QImage* Pixels(const DcState&, QPoint*) const override { return nullptr; }
};

} // namespace

std::unique_ptr<DcTarget> PainterTarget(QPainter& painter)
{
    return std::make_unique<OnPainter>(painter);
}

std::unique_ptr<DcTarget> MemoryTarget()
{
    return std::make_unique<OnBitmap>();
}

std::unique_ptr<DcTarget> InformationTarget()
{
    return std::make_unique<Nowhere>();
}

GdiRecord* DefaultBitmap()
{
    static GdiRecord* const bitmap = [] {
        QImage pixel(1, 1, QImage::Format_RGB32);
        pixel.fill(Qt::black);
        GdiRecord* record = MakeBitmap(pixel, true);
        record->stock = true;
        return record;
    }();
    return bitmap;
}

void PreparePainter(QPainter& painter, const DcState& state)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Text smoothing follows each font's own request.
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setBrush(Qt::NoBrush);
    if (state.clip)
        painter.setClipRegion(*state.clip, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

DcPaint::DcPaint(DcRecord* dc) : m_dc(dc), m_painter(dc ? dc->target->Begin(dc->state) : nullptr) {}

DcPaint::~DcPaint()
{
    if (m_painter)
        m_dc->target->End(m_touched);
}

void DcPaint::Fill(const QRect& area, COLORREF colour)
{
    if (!m_painter || area.isEmpty())
        return;
    m_painter->fillRect(area, m_dc->DeviceColour(colour));
    Touch(area);
}

} // namespace platform::ui::detail
