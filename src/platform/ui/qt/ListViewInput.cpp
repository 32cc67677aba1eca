// What a list view does with the mouse and the keys, and what it tells its parent of it, in the
// order Windows does: a press changes the selection, the click is told on release; every key
// is told (LVN_KEYDOWN) before the list moves its selection, and a move of the selection by keys
// is told as the program's own changes are (LVN_ITEMCHANGED), never as a click.
#include "platform/ui/qt/ListViewWidget.h"

#include "platform/ui/qt/EventBridge.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace platform::ui::detail {
namespace {

UINT KeyFlagsOf(Qt::KeyboardModifiers modifiers)
{
    return ((modifiers & Qt::AltModifier) ? LVKF_ALT : 0u) | ((modifiers & Qt::ControlModifier) ? LVKF_CONTROL : 0u) |
           ((modifiers & Qt::ShiftModifier) ? LVKF_SHIFT : 0u);
}

} // namespace

LRESULT ListViewWidget::Notify(NMHDR& header, UINT code)
{
    WindowRecord* record = RecordOf(Handle());
    const HWND parent = HandleOf(parentWidget());
    if (!record || !parent)
        return 0;
    header.hwndFrom = Handle();
    header.idFrom = record->id;
    header.code = code;
    return Deliver(parent, WM_NOTIFY, record->id, reinterpret_cast<LPARAM>(&header));
}

void ListViewWidget::NotifyActivate(UINT code, const QPoint& point, Qt::KeyboardModifiers modifiers)
{
    NMITEMACTIVATE activate;
    UINT flags = 0;
    activate.iItem = HitTest(point, &flags, &activate.iSubItem);
    activate.ptAction = POINT{point.x(), point.y()};
    activate.uKeyFlags = KeyFlagsOf(modifiers);
    if (m_data.HasRow(activate.iItem))
        activate.lParam = m_data.Row(activate.iItem).param;
    Notify(activate.hdr, code);
}

void ListViewWidget::NotifyChanges(const std::vector<StateChange>& changes)
{
    const QPointer<ListViewWidget> alive(this);
    for (const StateChange& change : changes) {
        if (!alive)
            return;
        NMLISTVIEW changed;
        changed.iItem = change.item;
        changed.uOldState = change.oldState;
        changed.uNewState = change.newState;
        changed.uChanged = LVIF_STATE;
        if (m_data.HasRow(change.item))
            changed.lParam = m_data.Row(change.item).param;
        Notify(changed.hdr, LVN_ITEMCHANGED);
    }
}

void ListViewWidget::NotifyColumnClick(int column)
{
    NMLISTVIEW click;
    click.iItem = -1;
    click.iSubItem = column;
    Notify(click.hdr, LVN_COLUMNCLICK);
}

void ListViewWidget::Select(int item, Qt::KeyboardModifiers modifiers)
{
    const bool multiple = !(Style() & LVS_SINGLESEL);
    const QPointer<ListViewWidget> alive(this);
    if (multiple && (modifiers & Qt::ControlModifier)) {
        if (!m_data.HasRow(item))
            return;
        SetState(item, (m_data.Row(item).state & LVIS_SELECTED) ? 0u : LVIS_SELECTED, LVIS_SELECTED);
        if (alive && m_data.HasRow(item))
            SetState(item, LVIS_FOCUSED, LVIS_FOCUSED);
        m_anchor = item;
        return;
    }
    const bool range = multiple && (modifiers & Qt::ShiftModifier) && m_data.HasRow(m_anchor) && m_data.HasRow(item);
    const int low = range ? std::min(m_anchor, item) : item;
    const int high = range ? std::max(m_anchor, item) : item;
    // Those that leave the selection are told first, then those that join it.
    // The focus moves to the chosen row, so those that leave lose it in the same change.
    const UINT leave = LVIS_SELECTED | (m_data.HasRow(item) ? LVIS_FOCUSED : 0u);
    for (int other = 0; alive && other < m_data.RowCount(); ++other)
        if (other < low || other > high)
            SetState(other, 0, leave);
    for (int chosen = low; alive && chosen <= high && m_data.HasRow(chosen); ++chosen)
        SetState(chosen, chosen == item ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED,
                 chosen == item ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED);
    if (alive && !range)
        m_anchor = item;
}

void ListViewWidget::MoveFocus(int item)
{
    if (!m_data.HasRow(item))
        return;
    Select(item, Qt::NoModifier);
    EnsureVisible(item, false);
}

void ListViewWidget::ToggleCheck(int item)
{
    const UINT checked = (m_data.Row(item).state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    SetState(item, INDEXTOSTATEIMAGEMASK(checked ? 1 : 2), LVIS_STATEIMAGEMASK);
}

void ListViewWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    UINT flags = 0;
    int subItem = 0;
    const int item = HitTest(point, &flags, &subItem);
    const QPointer<ListViewWidget> alive(this);
    // A click beside the rows clears the selection, but not the one row of a single-selection
    // list: the window acts on that row, and would go on acting on it unseen.
    const bool clearsBeside = !(Style() & LVS_SINGLESEL);
    if (event->button() == Qt::RightButton) {
        // A right click selects the row under it unless it is one of the selection already.
        if (item < 0 ? clearsBeside : !(m_data.Row(item).state & LVIS_SELECTED))
            Select(item, Qt::NoModifier);
    } else if (item >= 0 && (flags & LVHT_ONITEMSTATEICON) && (m_extendedStyle & LVS_EX_CHECKBOXES)) {
        ToggleCheck(item);
    } else if (item >= 0) {
        Select(item, event->modifiers());
    } else if (clearsBeside && !(event->modifiers() & Qt::ControlModifier)) {
        for (int other = 0; alive && other < m_data.RowCount(); ++other)
            SetState(other, 0, LVIS_SELECTED);
    }
    if (!alive)
        return;
    m_pressed = point;
    m_pressedButton = event->button();
}

void ListViewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed || event->button() != m_pressedButton)
        return;
    const QPoint point = *m_pressed;
    m_pressed.reset();
    NotifyActivate(event->button() == Qt::LeftButton ? NM_CLICK : NM_RCLICK, point, event->modifiers());
}

void ListViewWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        NotifyActivate(NM_DBLCLK, event->position().toPoint(), event->modifiers());
}

void ListViewWidget::keyPressEvent(QKeyEvent* event)
{
    const WORD key = static_cast<WORD>(VirtualKeyOf(event->key()));
    const QPointer<ListViewWidget> alive(this);
    if (key != 0) {
        NMLVKEYDOWN down;
        down.wVKey = key;
        Notify(down.hdr, LVN_KEYDOWN);
        if (!alive)
            return;
    }
    const int focused = m_data.NextItem(-1, LVNI_FOCUSED);
    const int last = m_data.RowCount() - 1;
    const int page = std::max(1, CountPerPage() - 1);
    switch (key) {
    case VK_UP: MoveFocus(focused < 0 ? 0 : std::max(focused - 1, 0)); break;
    case VK_DOWN: MoveFocus(focused < 0 ? 0 : std::min(focused + 1, last)); break;
    case VK_HOME: MoveFocus(0); break;
    case VK_END: MoveFocus(last); break;
    case VK_PRIOR: MoveFocus(std::max(focused - page, 0)); break;
    case VK_NEXT: MoveFocus(std::min(std::max(focused, 0) + page, last)); break;
    case VK_SPACE:
        if ((m_extendedStyle & LVS_EX_CHECKBOXES) && focused >= 0)
            ToggleCheck(focused);
        break;
    default:
        if (!SearchTyped(*event))
            event->ignore();
        break;
    }
}

// Letters typed in quick succession make one prefix, searched from the focused row on; a first
// letter searches from the row after it, so typing it again goes on to the next such row.
bool ListViewWidget::SearchTyped(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.isEmpty() || !text.front().isPrint() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    if (!m_typedClock.isValid() || m_typedClock.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_typedClock.start();
    m_typed += text;
    const int count = m_data.RowCount();
    const int focused = m_data.NextItem(-1, LVNI_FOCUSED);
    const int start = m_typed.size() == text.size() ? focused + 1 : std::max(focused, 0);
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (QString::fromStdString(m_data.Text(row, 0)).startsWith(m_typed, Qt::CaseInsensitive)) {
            MoveFocus(row);
            break;
        }
    }
    return true;
}

void ListViewWidget::wheelEvent(QWheelEvent* event)
{
    QCoreApplication::sendEvent(m_vertical, event);
}

} // namespace platform::ui::detail
