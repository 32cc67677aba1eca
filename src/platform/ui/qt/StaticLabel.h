#pragma once
// Private to the window layer: the widget of a static. A wrapping static (SS_LEFT) breaks its
// lines where Windows does, between words and between East Asian characters, and keeps a word
// whole however long (Qt would break an address after its "/" or "?"). Every line stands on the
// font's own baseline, whatever faces draw its characters. A picture keeps to the static's
// rectangle, so it never covers a caption, a frame or a row beside it.

#include <QImage>
#include <QLabel>

namespace platform::ui::detail {

class StaticLabel : public QLabel {
public:
    explicit StaticLabel(QWidget* parent) : QLabel(parent) {}

    // Drawn from the top-left corner at its own size and cut at the control's edges; a fitted
    // picture larger than the control is scaled down to it instead, proportions kept. A
    // transparent picture leaves out its background, the colour of its top-left pixel, so what
    // lies under the control shows there.
    void ShowPicture(const QImage& picture, bool fitted, bool transparent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    bool m_fitted = false;
};

} // namespace platform::ui::detail
