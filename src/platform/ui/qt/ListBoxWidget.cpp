#include "platform/ui/qt/ListBoxWidget.h"

#include "platform/ui/WinMessages.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QPointer>

namespace platform::ui::detail {

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent)
{
    // A click is told also when it chose the row already chosen.
    connect(this, &QListWidget::itemClicked, this, [this] {
        m_clickTold = true;
        Tell(LBN_SELCHANGE);
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { Tell(LBN_DBLCLK); });
}

int ListBoxWidget::Selected() const
{
    return currentRow() >= 0 && currentItem()->isSelected() ? currentRow() : -1;
}

void ListBoxWidget::Tell(unsigned code)
{
    NotifyCommand(HandleOf(this), code);
}

// Keys move the selection in the toolkit's handling; the program's own changes never pass here.
void ListBoxWidget::keyPressEvent(QKeyEvent* event)
{
    const int before = Selected();
    QListWidget::keyPressEvent(event);
    if (Selected() != before)
        Tell(LBN_SELCHANGE);
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event)
{
    m_selectedAtPress = Selected();
    QListWidget::mousePressEvent(event);
}

// A drag that ends off the row it began on is no click, yet it moved the selection.
void ListBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const std::optional<int> atPress = m_selectedAtPress;
    m_selectedAtPress.reset();
    m_clickTold = false;
    const QPointer<ListBoxWidget> alive(this);
    QListWidget::mouseReleaseEvent(event);
    if (alive && !m_clickTold && atPress && Selected() != *atPress)
        Tell(LBN_SELCHANGE);
}

} // namespace platform::ui::detail
