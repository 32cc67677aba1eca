#pragma once
// Private to the window layer: the widget of a text static. A wrapping static (SS_LEFT) breaks
// its lines where Windows does, between words and between East Asian characters, and keeps a
// word whole however long (Qt would break an address after its "/" or "?").

#include <QLabel>

namespace platform::ui::detail {

class StaticLabel : public QLabel {
public:
    explicit StaticLabel(QWidget* parent) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform::ui::detail
