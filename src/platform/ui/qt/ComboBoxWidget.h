#pragma once
// Private to the window layer: the widget of a combo box. Page Up and Page Down in the closed box
// move its selection by a page of its drop-down list, as on Windows (the toolkit moves it by one),
// and are told as the arrow keys are (CBN_SELCHANGE, through the toolkit's activated signal).

#include <QComboBox>

namespace platform::ui::detail {

class ComboBoxWidget : public QComboBox {
public:
    explicit ComboBoxWidget(QWidget* parent) : QComboBox(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace platform::ui::detail
