#pragma once
// Private to the window layer: the widget of a header control, a row of column captions. The
// user drags the divider right of a column to size it, and a double click on a divider tells
// the parent (HDN_DIVIDERDBLCLICK). A column of width 0 has no divider of its own: the visible
// column at the same edge owns it, so a hidden column stays hidden.

#include "platform/ui/CommCtrl.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace platform::ui::detail {

struct HeaderItem {
    std::string text;
    int fmt = HDF_LEFT | HDF_STRING;
    int width = 0;
};

class HeaderWidget : public QWidget {
public:
    explicit HeaderWidget(QWidget* parent);

    // The window of the header (control id 0), registered with the layer.
    HWND Handle() const { return m_handle; }

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Has(int index) const { return index >= 0 && index < Count(); }
    const HeaderItem& Item(int index) const { return m_items[static_cast<size_t>(index)]; }
    void Insert(int index, HeaderItem item);
    void Remove(int index);
    void Update(int index, const HeaderItem& item);
    // In the header's own coordinates; the items stand side by side from x 0.
    QRect ItemRect(int index) const;
    int TotalWidth() const;
    // What the default layout gives: the caption font's height and the edges.
    int NaturalHeight() const;

    // Told when an item changed (widths move the list's columns) and when one was clicked.
    std::function<void()> onChanged;
    std::function<void(int index)> onClicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int ItemAt(const QPoint& point) const;
    // The visible column whose right edge is nearest the point, within reach; -1 for none.
    int DividerAt(const QPoint& point) const;
    void ShowDividerCursor(const QPoint& point);
    // The tracked column's right edge follows the pointer.
    void Track(int x);
    // WM_DRAWITEM to the list for an owner-drawn item; the edges go on afterwards.
    void DrawByOwner(QPainter& painter, int index, const QRect& item);

    HWND m_handle = nullptr;
    std::vector<HeaderItem> m_items;
    int m_pressed = -1;
    int m_tracked = -1;       // the column whose divider is dragged
    int m_grip = 0;           // how far right of the divider the pointer took hold
    int m_leastWidth = 0;
};

} // namespace platform::ui::detail
