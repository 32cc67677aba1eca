#pragma once
// Private to the window layer: the widget of a rebar. Each band is a row: an optional gripper
// at its left, then its child window; rows lie one below the other inside the border.

#include "platform/ui/ReBarCtrl.h"

#include <QRect>
#include <QWidget>
#include <vector>

namespace platform::ui::detail {

class RebarWidget : public QWidget {
public:
    explicit RebarWidget(QWidget* parent);

    HWND Handle() const;
    void Insert(int index, const REBARBANDINFO& band);
    int Count() const { return static_cast<int>(m_bands.size()); }
    QRect BandRect(int band) const;
    int BarHeight() const;
    // Lays the bands' children out and, unless the rebar keeps its size, fits it to its parent.
    void Arrange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    DWORD Style() const;
    int Border() const;
    int RowHeight(const REBARBANDINFO& band) const;
    void LayoutChildren();
    bool HasGripper(const REBARBANDINFO& band) const;

    std::vector<REBARBANDINFO> m_bands;
};

} // namespace platform::ui::detail
