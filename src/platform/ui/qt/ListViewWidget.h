#pragma once
// Private to the window layer: the widget of a list view in report view. Its geometry is ours
// to the pixel: the header (a child window of its own) on top, then rows of one height, the
// columns side by side; row rectangles are in the list's client coordinates.

#include "platform/ui/qt/HeaderWidget.h"
#include "platform/ui/qt/ListViewData.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <optional>

class CDC;
class CImageList;
class QKeyEvent;
class QScrollBar;

namespace platform::ui::detail {

class ListViewWidget : public QWidget {
public:
    explicit ListViewWidget(QWidget* parent);

    HWND Handle() const;
    DWORD Style() const;
    HeaderWidget* Header() const { return m_header; }
    ListViewData& Data() { return m_data; }

    // Columns live in the header (caption, width, format) and here (format, sub-item).
    int InsertColumn(int column, const LVCOLUMN& info);
    void DeleteColumn(int column);
    int InsertItem(int item, ListRow row);
    void DeleteItem(int item);
    void DeleteAllItems();
    // Changes item states and tells the parent of each changed item (LVN_ITEMCHANGED).
    void SetState(int item, UINT state, UINT mask);
    void SetExtendedStyle(DWORD style);
    DWORD ExtendedStyle() const { return m_extendedStyle; }
    void SetImages(CImageList* images);
    CImageList* Images() const { return m_images; }
    COLORREF Background() const { return m_background; }
    void SetBackground(COLORREF colour);
    COLORREF TextColour() const { return m_textColour; }
    void SetTextColour(COLORREF colour);
    // Something shown changed: scroll ranges and the picture follow.
    void Changed();

    // Geometry.
    // The client rectangle as the desktop gives it: the scroll bars lie outside it.
    QRect ClientArea() const;
    int RowHeight() const;
    int RowsTop();
    int TopIndex() const;
    int CountPerPage();
    QRect RowBounds(int item);
    QRect ColumnBounds(int item, int column);
    // LVSCW_AUTOSIZE: the width that shows the column's widest cell text whole.
    int FittingWidth(int column) const;
    // LVIR_BOUNDS, LVIR_ICON or LVIR_LABEL of a cell; none for a missing item or column.
    std::optional<QRect> CellRect(int item, int subItem, UINT area);
    // The item under a point (-1 for none), with LVHT_ flags and the column.
    int HitTest(const QPoint& point, UINT* flags, int* subItem);
    void EnsureVisible(int item, bool partialOk);

    // Default handling of WM_WINDOWPOSCHANGED: the header is laid out and owner-drawn rows
    // are measured again.
    void WindowPosChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Text keeps this far from a cell's sides: little in column 0, whose label has its own indent.
    static constexpr int kFirstTextMargin = 2;
    static constexpr int kTextMargin = 6;

    // HDM_LAYOUT to the header: where it goes and where the rows begin.
    void LayoutHeader();
    // WM_MEASUREITEM to the parent for the height of owner-drawn rows.
    void Measure();
    // Scroll bars and the header's place.
    void Arrange();
    int NaturalRowHeight() const;
    int StateImageWidth() const;
    QSize ImageSize() const;
    int ViewWidth() const;
    int ViewHeight();
    bool SelectionShown() const;

    // Painting.
    // With a DC, the parent is asked for the row's colours (and each cell's when it wants).
    void PaintRow(QPainter& painter, int item, CDC* customDraw);
    LRESULT NotifyCustomDraw(NMLVCUSTOMDRAW& draw, DWORD stage, const QRect& area);
    void PaintGrid(QPainter& painter);
    void PaintOwnerDrawn(QPainter& painter, int first, int last);

    // Input and what it tells the parent.
    void Select(int item, Qt::KeyboardModifiers modifiers);
    void MoveFocus(int item);
    // Typed letters move the focus to a row whose first column starts with them; false for a key
    // that types nothing.
    bool SearchTyped(const QKeyEvent& event);
    void ToggleCheck(int item);
    LRESULT Notify(NMHDR& header, UINT code);
    void NotifyActivate(UINT code, const QPoint& point, Qt::KeyboardModifiers modifiers);
    void NotifyChanges(const std::vector<StateChange>& changes);
    void NotifyColumnClick(int column);

    ListViewData m_data;
    HeaderWidget* m_header;
    QScrollBar* m_vertical;
    QScrollBar* m_horizontal;
    DWORD m_extendedStyle = 0;
    COLORREF m_background = 0;
    COLORREF m_textColour = 0;
    CImageList* m_images = nullptr;
    int m_measuredHeight = 0;          // 0 until an owner answered WM_MEASUREITEM
    bool m_laidOut = false;
    QRect m_headerPlace;               // from HDM_LAYOUT, before horizontal scrolling
    int m_rowsTop = 0;
    int m_anchor = -1;                 // where a shift-click range starts
    std::optional<QPoint> m_pressed;   // a press whose click is told on release
    Qt::MouseButton m_pressedButton = Qt::NoButton;
    QString m_typed;                   // letters typed within the desktop's interval for a search
    QElapsedTimer m_typedClock;
};

} // namespace platform::ui::detail
