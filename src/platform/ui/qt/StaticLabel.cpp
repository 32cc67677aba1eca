#include "platform/ui/qt/StaticLabel.h"

#include "platform/ui/qt/TextLayout.h"

#include <QPainter>
#include <QStyle>

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
    if (!wordWrap() || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    const std::vector<TextLine> lines = LayoutText(text(), DT_WORDBREAK | DT_NOPREFIX, area.width(), metrics);
    const int height = metrics.height() * static_cast<int>(lines.size());
    int top = alignment() & Qt::AlignVCenter ? area.top() + (area.height() - height) / 2 : area.top();
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    for (const TextLine& line : lines) {
        const QRect box(area.left(), top, area.width(), metrics.height());
        style()->drawItemText(&painter, box, static_cast<int>(horizontal | Qt::AlignTop), palette(), isEnabled(),
                              line.text, foregroundRole());
        top += metrics.height();
    }
}

} // namespace platform::ui::detail
