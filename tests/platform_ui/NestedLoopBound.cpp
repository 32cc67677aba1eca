#include "NestedLoopBound.h"

#include <QApplication>
#include <QWidget>

NestedLoopBound::NestedLoopBound(int limitMs)
{
    // One window at a time, each given a moment to go: closing one ends its loop.
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        QWidget* open = QApplication::activePopupWidget();
        if (!open)
            open = QApplication::activeModalWidget();
        if (!open)
            return;
        m_closed = true;
        open->close();
        m_timer.start(200);
    });
    m_timer.setSingleShot(true);
    m_timer.start(limitMs);
}
