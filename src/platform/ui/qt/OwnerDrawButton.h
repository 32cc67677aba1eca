#pragma once
// Private to the window layer: a push button whose owner draws it (BS_OWNERDRAW). Each paint
// asks the parent with WM_DRAWITEM, which hands the request to the button's own object.

#include <QAbstractButton>

namespace platform::ui::detail {

class OwnerDrawButton : public QAbstractButton {
public:
    explicit OwnerDrawButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Paints a button through its owner: WM_DRAWITEM to the parent, which hands it to the button.
void PaintOwnerDrawn(QAbstractButton* button);

} // namespace platform::ui::detail
