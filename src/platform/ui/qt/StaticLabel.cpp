#include "platform/ui/qt/StaticLabel.h"

#include "platform/ui/qt/TextLayout.h"

#include <QPainter>

namespace platform::ui::detail {
namespace {

QImage WithoutBackground(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == background)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

} // namespace

void StaticLabel::ShowPicture(const QImage& picture, bool fitted, bool transparent)
{
    m_picture = transparent ? WithoutBackground(picture) : picture;
    m_fitted = fitted;
    update();
}

void StaticLabel::paintEvent(QPaintEvent* event)
{
    if (!m_picture.isNull()) {
        QPainter painter(this);
        const bool shrunk = m_fitted && m_picture.size().boundedTo(size()) != m_picture.size();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), shrunk ? m_picture.size().scaled(size(), Qt::KeepAspectRatio)
                                                     : m_picture.size()),
                          m_picture);
        return;
    }
    if (text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    const UINT across = alignment() & Qt::AlignHCenter ? DT_CENTER : alignment() & Qt::AlignRight ? DT_RIGHT : DT_LEFT;
    const UINT format = (wordWrap() ? DT_WORDBREAK | DT_NOPREFIX : DT_NOPREFIX) | across;
    const std::vector<TextLine> lines = LayoutText(text(), format, area.width(), metrics);
    const int height = metrics.height() * static_cast<int>(lines.size());
    int top = alignment() & Qt::AlignVCenter ? area.top() + (area.height() - height) / 2 : area.top();
    painter.setPen(palette().color(foregroundRole()));
    // Every line stands on the font's own baseline, as DrawText puts it. Laid out whole, a line
    // with glyphs of a taller fallback face (Chinese beside Latin) went down by the difference, and
    // a static one line high cut off its descenders.
    for (const TextLine& line : lines) {
        const int left = LineLeft(format, area.left(), area.right() + 1, metrics.horizontalAdvance(line.text));
        painter.drawText(QPoint(left, top + metrics.ascent()), line.text);
        top += metrics.height();
    }
}

} // namespace platform::ui::detail
