#pragma once
// Private to the window layer: the widget of a list box. It tells its parent of every change of
// the selection the user makes (LBN_SELCHANGE: arrow keys, Home, End, Page Up and Down, typed
// letters, a click or a drag), never of the program's own (LB_SETCURSEL and the rest).

#include <QListWidget>
#include <optional>

namespace platform::ui::detail {

class ListBoxWidget : public QListWidget {
public:
    explicit ListBoxWidget(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // What LB_GETCURSEL answers: the current row when it is selected, else -1.
    int Selected() const;
    void Tell(unsigned code);

    std::optional<int> m_selectedAtPress;
    bool m_clickTold = false;
};

} // namespace platform::ui::detail
