#pragma once
// A bound on the loops a test enters: a modal window's, a menu's, a popup's.

#include <QTimer>

// While it lives, the popups and modal windows still open `limitMs` after it was made are closed,
// the topmost first, so that a test waiting in one of their loops fails instead of hanging.
class NestedLoopBound {
public:
    explicit NestedLoopBound(int limitMs);
    // Whether it had to close something.
    bool Closed() const { return m_closed; }

private:
    QTimer m_timer;
    bool m_closed = false;
};
