#include "platform/ui/qt/ComboBoxWidget.h"

#include <QKeyEvent>
#include <algorithm>

namespace platform::ui::detail {

void ComboBoxWidget::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key != Qt::Key_PageUp && key != Qt::Key_PageDown) || count() == 0 ||
        (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        QComboBox::keyPressEvent(event);
        return;
    }
    event->accept();
    // A page is what the drop-down list shows at once, less the row that stays in view.
    const int page = std::max(1, std::min(count(), maxVisibleItems()) - 1);
    const int from = std::max(currentIndex(), 0);
    const int to = key == Qt::Key_PageUp ? std::max(from - page, 0) : std::min(from + page, count() - 1);
    if (to == currentIndex())
        return;
    setCurrentIndex(to);
    emit activated(to);
}

} // namespace platform::ui::detail
