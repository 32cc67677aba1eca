#include "platform/ui/qt/HeaderWidget.h"

#include "platform/ui/qt/ClassicLook.h"
#include "platform/ui/qt/DcFactory.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/EventBridge.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointer>
#include <algorithm>
#include <cstdlib>

namespace platform::ui::detail {
namespace {

// Captions keep this far from the item's sides, as the Windows header does.
constexpr int kTextMargin = 6;
// A divider is taken hold of this many pixels either side of a column's right edge.
constexpr int kDividerReach = 4;
// A drag leaves a column no narrower than this (unless it was narrower), so it stays in sight
// and its divider apart from its neighbour's: at width 0 the user could not take hold of it again.
constexpr int kLeastDraggedWidth = 2 * kDividerReach + 1;

int AlignmentOf(int fmt)
{
    switch (fmt & HDF_JUSTIFYMASK) {
    case HDF_RIGHT: return Qt::AlignRight;
    case HDF_CENTER: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

} // namespace

HeaderWidget::HeaderWidget(QWidget* parent) : QWidget(parent)
{
    m_handle = Register(this, WindowKind::Header, 0, WS_CHILD | WS_VISIBLE, 0);
    installEventFilter(&EventBridge::Instance());
    // The pointer over a divider shows that it can be dragged.
    setMouseTracking(true);
}

void HeaderWidget::Insert(int index, HeaderItem item)
{
    m_items.insert(m_items.begin() + std::clamp(index, 0, Count()), std::move(item));
    update();
    if (onChanged)
        onChanged();
}

void HeaderWidget::Remove(int index)
{
    m_items.erase(m_items.begin() + index);
    m_pressed = -1;
    m_tracked = -1;
    update();
    if (onChanged)
        onChanged();
}

void HeaderWidget::Update(int index, const HeaderItem& item)
{
    m_items[static_cast<size_t>(index)] = item;
    update();
    if (onChanged)
        onChanged();
}

QRect HeaderWidget::ItemRect(int index) const
{
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += Item(i).width;
    return QRect(left, 0, Item(index).width, height());
}

int HeaderWidget::TotalWidth() const
{
    int total = 0;
    for (const HeaderItem& item : m_items)
        total += item.width;
    return total;
}

int HeaderWidget::NaturalHeight() const
{
    return fontMetrics().height() + 6;
}

int HeaderWidget::ItemAt(const QPoint& point) const
{
    for (int i = 0; i < Count(); ++i)
        if (Item(i).width > 0 && ItemRect(i).contains(point))
            return i;
    return -1;
}

int HeaderWidget::DividerAt(const QPoint& point) const
{
    int found = -1;
    int nearest = kDividerReach;
    int edge = 0;
    for (int i = 0; i < Count(); ++i) {
        edge += Item(i).width;
        const int distance = std::abs(point.x() - edge);
        if (Item(i).width > 0 && distance <= nearest) {
            found = i;
            nearest = distance;
        }
    }
    return found;
}

void HeaderWidget::ShowDividerCursor(const QPoint& point)
{
    if (m_tracked >= 0 || DividerAt(point) >= 0)
        setCursor(Qt::SplitHCursor);
    else
        unsetCursor();
}

void HeaderWidget::Track(int x)
{
    HeaderItem item = Item(m_tracked);
    const int width = std::max(m_leastWidth, x - m_grip - ItemRect(m_tracked).left());
    if (width == item.width)
        return;
    item.width = width;
    Update(m_tracked, item);
}

void HeaderWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), SysColour(COLOR_BTNFACE));
    painter.setFont(font());
    const QPointer<HeaderWidget> alive(this);
    for (int i = 0; i < Count() && alive; ++i) {
        const QRect item = ItemRect(i);
        if (item.width() <= 0)
            continue;
        if (Item(i).fmt & HDF_OWNERDRAW) {
            DrawByOwner(painter, i, item);
            if (alive)
                DrawButtonEdge(painter, item, i == m_pressed);
            continue;
        }
        DrawButtonEdge(painter, item, i == m_pressed);
        const QRect text = item.adjusted(kTextMargin, 0, -kTextMargin, 0).translated(i == m_pressed ? 1 : 0, 0);
        if (text.width() <= 0)
            continue;
        painter.setPen(SysColour(COLOR_BTNTEXT));
        const QString caption = fontMetrics().elidedText(QString::fromStdString(Item(i).text), Qt::ElideRight,
                                                         text.width());
        painter.drawText(text, AlignmentOf(Item(i).fmt) | Qt::AlignVCenter | Qt::TextSingleLine, caption);
    }
    if (!alive)
        return;
    // Beyond the last item the header goes on as one empty button.
    const int end = TotalWidth();
    if (end < width())
        DrawButtonEdge(painter, QRect(end, 0, width() - end, height()), false);
}

void HeaderWidget::DrawByOwner(QPainter& painter, int index, const QRect& item)
{
    const HWND parent = HandleOf(parentWidget());
    if (!parent)
        return;
    const std::unique_ptr<CDC> dc = MakeDcOnPainter(painter);
    CFont captionFont;
    captionFont.Attach(MakeFont(font()));
    dc->SelectObject(&captionFont);
    DRAWITEMSTRUCT draw;
    draw.CtlType = ODT_HEADER;
    draw.CtlID = 0;
    draw.itemID = static_cast<UINT>(index);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = index == m_pressed ? ODS_SELECTED : 0u;
    draw.hwndItem = m_handle;
    draw.hDC = dc->GetSafeHdc();
    draw.rcItem = RECT{item.left(), item.top(), item.left() + item.width(), item.top() + item.height()};
    Deliver(parent, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}

void HeaderWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    m_tracked = DividerAt(at);
    if (m_tracked >= 0) {
        const QRect item = ItemRect(m_tracked);
        m_grip = at.x() - (item.left() + item.width());
        m_leastWidth = std::min(kLeastDraggedWidth, item.width());
        ShowDividerCursor(at);
        return;
    }
    m_pressed = ItemAt(at);
    update();
}

void HeaderWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    // A drag whose release went elsewhere is over.
    if (!(event->buttons() & Qt::LeftButton))
        m_tracked = -1;
    if (m_tracked >= 0)
        Track(at.x());
    ShowDividerCursor(at);
}

void HeaderWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_tracked >= 0) {
        Track(event->position().toPoint().x());
        m_tracked = -1;
        ShowDividerCursor(event->position().toPoint());
        return;
    }
    if (m_pressed < 0)
        return;
    const int pressed = m_pressed;
    m_pressed = -1;
    update();
    if (ItemAt(event->position().toPoint()) == pressed && onClicked)
        onClicked(pressed);
}

void HeaderWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int divider = event->button() == Qt::LeftButton ? DividerAt(event->position().toPoint()) : -1;
    const HWND parent = HandleOf(parentWidget());
    if (divider < 0 || !parent) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    NMHEADER notice;
    notice.hdr.hwndFrom = m_handle;
    notice.hdr.idFrom = 0;
    notice.hdr.code = HDN_DIVIDERDBLCLICK;
    notice.iItem = divider;
    Deliver(parent, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
}

} // namespace platform::ui::detail
