#include "platform/ui/qt/StaticLabel.h"

#include "platform/ui/qt/TextLayout.h"

#include <QPainter>
#include <QStyle>

namespace platform::ui::detail {

void StaticLabel::paintEvent(QPaintEvent* event)
{
    if (!wordWrap() || text().isEmpty() || !pixmap().isNull()) {
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
