#include "platform/ui/qt/ListViewWidget.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/qt/ImageListRecord.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

namespace platform::ui::detail {
namespace {

// Column 0 starts its check box, image and label this far in, as Windows does.
constexpr int kFirstColumnIndent = 2;
constexpr int kStateImageWidth = 16;

int HeaderFormatOf(int column, int listFormat)
{
    // The first column always shows its text on the left.
    if (column == 0)
        return HDF_LEFT | HDF_STRING;
    switch (listFormat & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return HDF_RIGHT | HDF_STRING;
    case LVCFMT_CENTER: return HDF_CENTER | HDF_STRING;
    default: return HDF_LEFT | HDF_STRING;
    }
}

} // namespace

ListViewWidget::ListViewWidget(QWidget* parent)
    : QWidget(parent), m_header(new HeaderWidget(this)), m_vertical(new QScrollBar(Qt::Vertical, this)),
      m_horizontal(new QScrollBar(Qt::Horizontal, this))
{
    m_background = GetSysColor(COLOR_WINDOW);
    m_textColour = GetSysColor(COLOR_WINDOWTEXT);
    setFocusPolicy(Qt::StrongFocus);
    m_vertical->hide();
    m_horizontal->hide();
    m_header->onChanged = [this] { Changed(); };
    m_header->onClicked = [this](int column) { NotifyColumnClick(column); };
    const auto scrolled = [this] {
        Arrange();
        update();
    };
    QObject::connect(m_vertical, &QScrollBar::valueChanged, this, scrolled);
    QObject::connect(m_horizontal, &QScrollBar::valueChanged, this, scrolled);
}

HWND ListViewWidget::Handle() const
{
    return HandleOf(this);
}

DWORD ListViewWidget::Style() const
{
    WindowRecord* record = RecordOf(Handle());
    return record ? record->style : 0;
}

// ---- columns and items ----------------------------------------------------------------------

int ListViewWidget::InsertColumn(int column, const LVCOLUMN& info)
{
    const int at = std::clamp(column, 0, m_data.ColumnCount());
    ListColumn added;
    added.fmt = (info.mask & LVCF_FMT) ? info.fmt : LVCFMT_LEFT;
    added.subItem = (info.mask & LVCF_SUBITEM) ? info.iSubItem : at;
    m_data.InsertColumn(at, added);
    HeaderItem item;
    item.text = (info.mask & LVCF_TEXT) && info.pszText ? info.pszText : "";
    item.fmt = HeaderFormatOf(at, added.fmt);
    item.width = (info.mask & LVCF_WIDTH) ? std::max(info.cx, 0) : 0;
    m_header->Insert(at, item);
    return at;
}

void ListViewWidget::DeleteColumn(int column)
{
    m_data.DeleteColumn(column);
    m_header->Remove(column);
}

int ListViewWidget::InsertItem(int item, ListRow row)
{
    if ((m_extendedStyle & LVS_EX_CHECKBOXES) && !(row.state & LVIS_STATEIMAGEMASK))
        row.state |= INDEXTOSTATEIMAGEMASK(1);
    if (m_anchor >= item)
        ++m_anchor;
    const int at = m_data.InsertRow(item, std::move(row));
    Changed();
    return at;
}

void ListViewWidget::DeleteItem(int item)
{
    m_data.DeleteRow(item);
    if (m_anchor == item)
        m_anchor = -1;
    else if (m_anchor > item)
        --m_anchor;
    Changed();
}

void ListViewWidget::DeleteAllItems()
{
    m_data.DeleteAllRows();
    m_anchor = -1;
    m_vertical->setValue(0);
    Changed();
}

void ListViewWidget::SetState(int item, UINT state, UINT mask)
{
    const bool single = (Style() & LVS_SINGLESEL) != 0;
    if (item == -1) {
        for (int i = 0; i < m_data.RowCount(); ++i)
            NotifyChanges(m_data.SetState(i, state, mask & ~LVIS_FOCUSED, false));
    } else {
        NotifyChanges(m_data.SetState(item, state, mask, single));
    }
    update();
}

void ListViewWidget::SetExtendedStyle(DWORD style)
{
    const bool checkBoxes = (style & LVS_EX_CHECKBOXES) != 0;
    if (checkBoxes != ((m_extendedStyle & LVS_EX_CHECKBOXES) != 0))
        for (int i = 0; i < m_data.RowCount(); ++i) {
            UINT& state = m_data.Row(i).state;
            state = (state & ~LVIS_STATEIMAGEMASK) | (checkBoxes ? INDEXTOSTATEIMAGEMASK(1) : 0);
        }
    m_extendedStyle = style;
    Changed();
}

void ListViewWidget::SetImages(CImageList* images)
{
    m_images = images;
    Changed();
}

void ListViewWidget::SetBackground(COLORREF colour)
{
    m_background = colour;
    update();
}

void ListViewWidget::SetTextColour(COLORREF colour)
{
    m_textColour = colour;
    update();
}

void ListViewWidget::Changed()
{
    Arrange();
    update();
}

// ---- geometry -------------------------------------------------------------------------------

QSize ListViewWidget::ImageSize() const
{
    const ImageListRecord* images = m_images ? m_images->GetSafeHandle() : nullptr;
    return images ? QSize(images->cx, images->cy) : QSize(0, 0);
}

int ListViewWidget::StateImageWidth() const
{
    return (m_extendedStyle & LVS_EX_CHECKBOXES) ? kStateImageWidth : 0;
}

int ListViewWidget::NaturalRowHeight() const
{
    const int checkBox = (m_extendedStyle & LVS_EX_CHECKBOXES) ? kStateImageWidth : 0;
    return std::max({fontMetrics().height(), ImageSize().height(), checkBox}) + 1;
}

int ListViewWidget::RowHeight() const
{
    if ((Style() & LVS_OWNERDRAWFIXED) && m_measuredHeight > 0)
        return m_measuredHeight;
    return NaturalRowHeight();
}

int ListViewWidget::RowsTop()
{
    if (!m_laidOut)
        LayoutHeader();
    return m_rowsTop;
}

int ListViewWidget::TopIndex() const
{
    return m_vertical->value();
}

// The scroll bars' own state, not their visibility, which stays false until the list shows.
int ListViewWidget::ViewWidth() const
{
    return width() - (m_vertical->isHidden() ? 0 : m_vertical->width());
}

int ListViewWidget::ViewHeight()
{
    return std::max(0, ClientArea().height() - RowsTop());
}

QRect ListViewWidget::ClientArea() const
{
    return QRect(0, 0, ViewWidth(), height() - (m_horizontal->isHidden() ? 0 : m_horizontal->height()));
}

int ListViewWidget::CountPerPage()
{
    return std::max(1, ViewHeight() / RowHeight());
}

QRect ListViewWidget::RowBounds(int item)
{
    const int top = RowsTop() + (item - TopIndex()) * RowHeight();
    return QRect(-m_horizontal->value(), top, m_header->TotalWidth(), RowHeight());
}

QRect ListViewWidget::ColumnBounds(int item, int column)
{
    const QRect row = RowBounds(item);
    const QRect cell = m_header->Has(column) ? m_header->ItemRect(column) : QRect();
    return QRect(row.left() + cell.left(), row.top(), cell.width(), row.height());
}

std::optional<QRect> ListViewWidget::CellRect(int item, int subItem, UINT area)
{
    if (!m_data.HasRow(item) || subItem < 0 || (subItem > 0 && subItem >= m_data.ColumnCount()))
        return std::nullopt;
    if (area == LVIR_BOUNDS && subItem == 0)
        return RowBounds(item);
    const QRect column = ColumnBounds(item, subItem);
    if (subItem > 0 || area == LVIR_BOUNDS)
        return area == LVIR_ICON ? QRect(column.left(), column.top(), 0, column.height()) : column;
    // Column 0: [check box][image][label], each cut off by the column's right edge.
    const auto clip = [&](int x) { return std::min(x, column.left() + column.width()); };
    const int iconLeft = clip(column.left() + kFirstColumnIndent + StateImageWidth());
    const int labelLeft = clip(iconLeft + ImageSize().width());
    if (area == LVIR_ICON)
        return QRect(iconLeft, column.top(), labelLeft - iconLeft, column.height());
    return QRect(labelLeft, column.top(), column.left() + column.width() - labelLeft, column.height());
}

int ListViewWidget::FittingWidth(int column) const
{
    int widest = 0;
    for (int item = 0; item < m_data.RowCount(); ++item)
        widest = std::max(widest, fontMetrics().horizontalAdvance(QString::fromStdString(m_data.Text(item, column))));
    if (column > 0)
        return widest + 2 * kTextMargin;
    return kFirstColumnIndent + StateImageWidth() + ImageSize().width() + widest + 2 * kFirstTextMargin;
}

int ListViewWidget::HitTest(const QPoint& point, UINT* flags, int* subItem)
{
    *flags = LVHT_NOWHERE;
    *subItem = 0;
    if (point.y() < RowsTop() || point.x() < 0 || point.x() >= ViewWidth() || point.y() >= RowsTop() + ViewHeight())
        return -1;
    const int item = TopIndex() + (point.y() - RowsTop()) / RowHeight();
    if (!m_data.HasRow(item))
        return -1;
    for (int column = 0; column < m_data.ColumnCount(); ++column)
        if (ColumnBounds(item, column).contains(point))
            *subItem = column;
    const QRect first = ColumnBounds(item, 0);
    if (first.contains(point)) {
        const QRect icon = *CellRect(item, 0, LVIR_ICON);
        if (point.x() < icon.left())
            *flags = point.x() >= icon.left() - StateImageWidth() ? LVHT_ONITEMSTATEICON : LVHT_ONITEMLABEL;
        else
            *flags = point.x() < icon.left() + icon.width() ? LVHT_ONITEMICON : LVHT_ONITEMLABEL;
        return item;
    }
    // Beside column 0 only a full-row list hits the row.
    if ((m_extendedStyle & LVS_EX_FULLROWSELECT) && RowBounds(item).contains(point)) {
        *flags = LVHT_ONITEMLABEL;
        return item;
    }
    return -1;
}

void ListViewWidget::EnsureVisible(int item, bool partialOk)
{
    if (!m_data.HasRow(item))
        return;
    const int top = TopIndex();
    const int whole = CountPerPage();
    if (item < top) {
        m_vertical->setValue(item);
    } else if (item >= top + whole) {
        const bool partlyShown = item == top + whole && ViewHeight() % RowHeight() != 0;
        if (!(partialOk && partlyShown))
            m_vertical->setValue(item - whole + 1);
    }
}

// ---- layout ---------------------------------------------------------------------------------

void ListViewWidget::LayoutHeader()
{
    m_laidOut = true;
    if (Style() & LVS_NOCOLUMNHEADER) {
        m_header->hide();
        m_rowsTop = 0;
        m_headerPlace = QRect();
        Arrange();
        return;
    }
    RECT rest{0, 0, width(), height()};
    WINDOWPOS place;
    HDLAYOUT layout{&rest, &place};
    Deliver(m_header->Handle(), HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    m_headerPlace = QRect(place.x, place.y, place.cx, place.cy);
    m_rowsTop = rest.top;
    m_header->show();
    Arrange();
}

void ListViewWidget::Measure()
{
    WindowRecord* record = RecordOf(Handle());
    const HWND parent = HandleOf(parentWidget());
    if (!record || !parent || !(record->style & LVS_OWNERDRAWFIXED))
        return;
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_LISTVIEW;
    measure.CtlID = record->id;
    measure.itemHeight = static_cast<UINT>(NaturalRowHeight());
    Deliver(parent, WM_MEASUREITEM, record->id, reinterpret_cast<LPARAM>(&measure));
    m_measuredHeight = static_cast<int>(measure.itemHeight);
}

void ListViewWidget::WindowPosChanged()
{
    Measure();
    LayoutHeader();
    update();
}

void ListViewWidget::Arrange()
{
    const int rowsTop = RowsTop();
    const int rowHeight = RowHeight();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int rows = m_data.RowCount();
    const int total = m_header->TotalWidth();
    bool vertical = false, horizontal = false;
    // Each bar takes room from the other direction, so settle them twice.
    for (int pass = 0; pass < 2; ++pass) {
        const int viewWidth = width() - (vertical ? extent : 0);
        const int viewHeight = height() - rowsTop - (horizontal ? extent : 0);
        horizontal = total > viewWidth;
        vertical = rows * rowHeight > viewHeight;
    }
    const int viewWidth = width() - (vertical ? extent : 0);
    const int viewHeight = std::max(0, height() - rowsTop - (horizontal ? extent : 0));
    const int whole = std::max(1, viewHeight / rowHeight);
    m_vertical->setVisible(vertical);
    m_horizontal->setVisible(horizontal);
    // The bars lie outside the client area, so the vertical one runs beside the header too.
    m_vertical->setGeometry(width() - extent, 0, extent, rowsTop + std::max(0, viewHeight));
    m_horizontal->setGeometry(0, height() - extent, viewWidth, extent);
    {
        const QSignalBlocker quietV(m_vertical);
        const QSignalBlocker quietH(m_horizontal);
        m_vertical->setRange(0, vertical ? rows - whole : 0);
        m_vertical->setPageStep(whole);
        m_horizontal->setRange(0, horizontal ? total - viewWidth : 0);
        m_horizontal->setPageStep(std::max(1, viewWidth));
        m_horizontal->setSingleStep(8);
    }
    if (!m_headerPlace.isNull()) {
        const int scroll = m_horizontal->value();
        m_header->setGeometry(m_headerPlace.x() - scroll, m_headerPlace.y(),
                              std::min(m_headerPlace.width(), viewWidth - m_headerPlace.x()) + scroll,
                              m_headerPlace.height());
    }
}

bool ListViewWidget::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::FontChange:
        LayoutHeader();
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void ListViewWidget::resizeEvent(QResizeEvent*)
{
    LayoutHeader();
}

} // namespace platform::ui::detail
