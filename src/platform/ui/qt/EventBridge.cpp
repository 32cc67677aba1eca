#include "platform/ui/qt/EventBridge.h"

#include "platform/ui/Menu.h"
#include "platform/ui/qt/ControlColours.h"
#include "platform/ui/qt/ControlFactory.h"
#include "platform/ui/qt/DialogManager.h"
#include "platform/ui/qt/CursorRecord.h"
#include "platform/ui/qt/OwnerDrawButton.h"
#include "platform/ui/qt/ScrolledDialog.h"
#include "platform/ui/qt/SystemMenu.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <cctype>
#include <vector>

namespace platform::ui::detail {
namespace {

UINT KeyStateOf(const QMouseEvent& event)
{
    UINT flags = 0;
    if (event.buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event.buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (event.modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (event.modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

UINT MouseMessageOf(const QMouseEvent& event)
{
    const bool left = event.button() == Qt::LeftButton;
    switch (event.type()) {
    case QEvent::MouseMove: return WM_MOUSEMOVE;
    case QEvent::MouseButtonPress: return left ? WM_LBUTTONDOWN : (event.button() == Qt::RightButton ? WM_RBUTTONDOWN : 0);
    case QEvent::MouseButtonRelease: return left ? WM_LBUTTONUP : (event.button() == Qt::RightButton ? WM_RBUTTONUP : 0);
    case QEvent::MouseButtonDblClick: return left ? WM_LBUTTONDBLCLK : 0;
    default: return 0;
    }
}

// Sends a bridged message when the window's map has it; true when Qt should not handle the event.
bool Bridge(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!Maps(window, message))
        return false;
    bool handled = false;
    Deliver(window, message, wParam, lParam, &handled);
    return handled;
}

// A window and every window inside it, the outer ones first.
std::vector<HWND> WindowsWithin(QWidget* widget)
{
    std::vector<HWND> windows{HandleOf(widget)};
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (const HWND handle = HandleOf(child))
            windows.push_back(handle);
    return windows;
}

bool Paint(HWND window, QWidget* widget)
{
    // A scrolled dialog paints on its page, which covers the dialog's own widget.
    if (ClientWidget(widget) != widget)
        return true;
    if (!Maps(window, WM_PAINT))
        return false;
    WindowRecord* record = RecordOf(window);
    QPainter painter(widget);
    if (record->kind == WindowKind::Dialog)
        DialogWidget::PaintBackground(widget, painter, widget->rect());
    record->activePainter = &painter;
    bool handled = false;
    Deliver(window, WM_PAINT, 0, 0, &handled);
    if (RecordOf(window))
        record->activePainter = nullptr;
    return handled;
}

// Enter and Esc as the Windows dialog manager handles them: Esc is IDCANCEL; a multi-line edit
// keeps its Enter.
bool DialogKey(HWND dialog, QWidget* focus, int key)
{
    if (key == Qt::Key_Escape) {
        Deliver(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return true;
    }
    if (qobject_cast<QPlainTextEdit*>(focus))
        return false;
    DialogEnter(dialog, OwningWindow(focus));
    return true;
}

bool PreTranslate(QObject* watched, QEvent* event)
{
    HWND target = OwningWindow(watched);
    if (!target)
        return false;
    MSG message;
    message.hwnd = target;
    if (event->type() == QEvent::KeyPress) {
        message.message = WM_KEYDOWN;
        message.wParam = VirtualKeyOf(static_cast<QKeyEvent*>(event)->key());
    } else {
        auto* mouse = static_cast<QMouseEvent*>(event);
        message.message = MouseMessageOf(*mouse);
        const QPoint at = mouse->position().toPoint();
        message.wParam = KeyStateOf(*mouse);
        message.lParam = MAKELPARAM(at.x(), at.y());
        const QPoint global = mouse->globalPosition().toPoint();
        message.pt = POINT{global.x(), global.y()};
    }
    if (message.message == 0)
        return false;
    for (WindowRecord* record = RecordOf(target); record && record->widget;) {
        if (record->Object()->PreTranslateMessage(&message))
            return true;
        if (!RecordOf(message.hwnd) || record->widget->isWindow())
            break;
        record = RecordOf(HandleOf(record->widget->parentWidget()));
    }
    return false;
}

// A popup a click opens must ask for the keyboard while the key that clicked is down: a Wayland
// compositor grants it only with the serial of that key's press (mutter) or of the latest key
// event (weston), and dismisses it at once otherwise. So Space clicks a button on its press, not
// on the release as the toolkit does, as the toolkit's own menu buttons open on the press.
bool ClickOnSpacePress(QWidget* widget, const QKeyEvent& key)
{
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button || key.key() != Qt::Key_Space || key.isAutoRepeat() ||
        (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    button->click();
    return true;
}

} // namespace

HWND OwningWindow(QObject* object)
{
    for (auto* widget = qobject_cast<QWidget*>(object); widget; widget = widget->parentWidget())
        if (HWND window = HandleOf(widget))
            return window;
    return nullptr;
}

unsigned VirtualKeyOf(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<unsigned>('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<unsigned>('0' + (qtKey - Qt::Key_0));
    switch (qtKey) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Delete: return VK_DELETE;
    default: return 0;
    }
}

EventBridge& EventBridge::Instance()
{
    static EventBridge bridge;
    return bridge;
}

bool EventBridge::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    const HWND window = HandleOf(widget);
    WindowRecord* record = RecordOf(window);
    if (!record)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        if (record->kind == WindowKind::Static || record->kind == WindowKind::Edit)
            ApplyControlColours(window, widget);
        if (Paint(window, widget))
            return true;
        // A push button made owner-drawn by a style change (PreSubclassWindow) paints as
        // Windows would then paint it.
        if (record->kind == WindowKind::Button && (record->style & BS_TYPEMASK) == BS_OWNERDRAW &&
            !dynamic_cast<OwnerDrawButton*>(widget)) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                PaintOwnerDrawn(button);
                return true;
            }
        }
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const UINT message = MouseMessageOf(*mouse);
        if (message == WM_MOUSEMOVE)
            AskCursor(window);
        else
            NoteMouseButton(widget, event->type() != QEvent::MouseButtonRelease);
        const QPoint at = mouse->position().toPoint();
        const bool handled = message != 0 && Bridge(window, message, KeyStateOf(*mouse), MAKELPARAM(at.x(), at.y()));
        // A static with SS_NOTIFY tells its parent of a click, as Windows does.
        if (message == WM_LBUTTONUP && !handled && RecordOf(window) && record->kind == WindowKind::Static &&
            (record->style & SS_NOTIFY) && widget->rect().contains(at))
            NotifyCommand(window, STN_CLICKED);
        return handled;
    }
    case QEvent::Enter:
        AskCursor(window);
        return false;
    case QEvent::Leave:
        if (record->trackLeave) {
            record->trackLeave = false;
            Deliver(window, WM_MOUSELEAVE, 0, 0);
        }
        return false;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        return Bridge(window, WM_KEYDOWN, VirtualKeyOf(key->key()), 1) ||
               (record->kind == WindowKind::Button && ClickOnSpacePress(widget, *key));
    }
    case QEvent::FocusIn:
        Bridge(window, WM_SETFOCUS, 0, 0);
        return false;
    case QEvent::FocusOut:
        Bridge(window, WM_KILLFOCUS, 0, 0);
        // An edit tells its dialog that it lost the focus, as Windows edits do (not while either goes).
        if (record->kind == WindowKind::Edit && !record->dying) {
            const WindowRecord* parent = RecordOf(HandleOf(widget->parentWidget()));
            if (parent && !parent->dying)
                NotifyCommand(window, EN_KILLFOCUS);
        }
        return false;
    // Qt hands activation on to every control of the window itself.
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        Bridge(window, WM_ACTIVATE, event->type() == QEvent::WindowActivate ? WA_ACTIVE : WA_INACTIVE, 0);
        return false;
    // The desktop's colours changed: Qt tells the top-level windows, which tell their controls.
    case QEvent::ApplicationPaletteChange:
        if (widget->isWindow())
            for (const HWND each : WindowsWithin(widget))
                Bridge(each, WM_SYSCOLORCHANGE, 0, 0);
        return false;
    case QEvent::Close:
        if (record->dying || !record->widget->isWindow())
            return false;
        if (record->kind == WindowKind::Popup) {
            // The toolkit hides a popup the desktop dismissed (a compositor does, on a click
            // outside it): the popup hears it as the user going elsewhere and ends itself, later,
            // since it may destroy its window.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [window] { Deliver(window, WM_ACTIVATEAPP, FALSE, 0); },
                Qt::QueuedConnection);
            return false;
        }
        event->ignore();
        Deliver(window, WM_CLOSE, 0, 0);
        return true;
    default:
        return false;
    }
}

DialogKeys& DialogKeys::Instance()
{
    static DialogKeys keys;
    return keys;
}

namespace {

// Desktops keep Alt+Space and the title bar for their own window menu, so a dialog's system menu
// also opens by a right click where the dialog takes no input (its face, a label, a picture) and
// by the context-menu key. The key asks the dialog first, naming the control that has the keys:
// a menu of that control's own, or by default the system menu.
bool OpenDialogContextMenu(QWidget* target, const QContextMenuEvent& event)
{
    const HWND dialog = HandleOf(target);
    const WindowRecord* record = RecordOf(dialog);
    if (!record || record->kind != WindowKind::Dialog)
        return false;
    if (event.reason() != QContextMenuEvent::Mouse) {
        QWidget* focus = QApplication::focusWidget();
        const HWND asked = focus && target->isAncestorOf(focus) ? OwningWindow(focus) : dialog;
        Deliver(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(asked), MAKELPARAM(-1, -1));
        return true;
    }
    if (!(record->style & WS_SYSMENU))
        return false;
    const QWidget* child = target->childAt(event.pos());
    if (child && child->focusPolicy() != Qt::NoFocus)
        return false;
    const POINT at{event.globalPos().x(), event.globalPos().y()};
    ShowSystemMenu(dialog, &at);
    return true;
}

// A popup's key goes to the popup alone; a popup the program made sees it first in its
// PreTranslateMessage, as the window holding the keys.
bool PopupKey(QWidget* target, QEvent* event)
{
    const WindowRecord* record = RecordOf(OwningWindow(target));
    return record && record->kind == WindowKind::Popup && PreTranslate(target, event);
}

// Shift+F10 is the keyboard's form of the menu key: the focused control is asked for its context
// menu where its text cursor is, as the window system asks it for the menu key. A control without
// a menu of its own leaves the event to its dialog, whose system menu opens.
void AskForContextMenu(QWidget* focus, Qt::KeyboardModifiers held)
{
    const QPoint at = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at), held);
    QCoreApplication::sendEvent(focus, &menu);
}

} // namespace

bool DialogKeys::RepeatForAnotherWindow(QObject* watched, const QKeyEvent& key)
{
    QObject* receiver = QApplication::activePopupWidget();
    if (!receiver)
        receiver = watched;
    if (key.isAutoRepeat())
        return key.key() == m_heldKey && receiver != m_heldKeyReceiver;
    if (key.type() != QEvent::KeyRelease) {
        m_heldKey = key.key();
        m_heldKeyReceiver = receiver;
    } else if (key.key() == m_heldKey) {
        m_heldKey = 0;
    }
    return false;
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
        watched->isWindowType() && RepeatForAnotherWindow(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    if (type == QEvent::ContextMenu && watched->isWidgetType())
        return OpenDialogContextMenu(static_cast<QWidget*>(watched), *static_cast<QContextMenuEvent*>(event));
    // The window system gives a key to a window, first to ask for shortcuts, then as the press,
    // which the window hands on to a widget: a popup open at the start owns the key, also when it
    // closes on it before any widget has it (a drop-down list closes on Esc as shortcuts are asked
    // for, and the press then goes to its combo box).
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && watched->isWindowType()) {
        const bool popupOpen = QApplication::activePopupWidget() || (type == QEvent::KeyPress && m_popupAtKeyStart);
        m_popupAtKeyStart = type == QEvent::ShortcutOverride && popupOpen;
        m_keyForPopup = type == QEvent::KeyPress && popupOpen ? event : nullptr;
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonDblClick)
        return false;
    if (!watched->isWidgetType())
        return false;
    auto* target = static_cast<QWidget*>(watched);
    if (type == QEvent::KeyPress) {
        const bool forPopup = event == m_keyForPopup || QApplication::activePopupWidget();
        m_keyForPopup = nullptr;
        if (forPopup)
            return PopupKey(target, event);
    }
    // Qt hands an ignored event on to the parents; the dialog manager sees it once, at the
    // widget that got it first.
    if (type == QEvent::KeyPress && QApplication::focusWidget() && target != QApplication::focusWidget())
        return false;
    if (type != QEvent::KeyPress) {
        QWidget* first = QWidget::mouseGrabber();
        if (!first)
            first = QApplication::widgetAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        if (first && target != first)
            return false;
    }
    if (PreTranslate(watched, event))
        return true;
    if (type != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const Qt::KeyboardModifiers held = static_cast<QKeyEvent*>(event)->modifiers();
    if (key == Qt::Key_F10 && (held & Qt::ShiftModifier)) {
        AskForContextMenu(target, held);
        return true;
    }
    if (key == Qt::Key_Space && (held & Qt::AltModifier)) {
        const HWND dialog = DialogOf(OwningWindow(target));
        WindowRecord* record = RecordOf(dialog);
        if (!record || !(record->style & WS_SYSMENU))
            return false;
        ShowSystemMenu(dialog);
        return true;
    }
    // Qt tries the access keys before the key press gets here: what arrives matched none.
    if ((held & Qt::AltModifier) && !(held & Qt::ControlModifier) &&
        ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))) {
        const auto character = static_cast<WORD>(std::tolower(static_cast<int>(VirtualKeyOf(key))));
        if (const HWND focused = OwningWindow(watched))
            Deliver(focused, WM_MENUCHAR, MAKEWPARAM(character, MF_SYSMENU), 0);
        return false;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
        return false;
    const HWND dialog = DialogOf(OwningWindow(target));
    return dialog && DialogKey(dialog, target, key);
}

} // namespace platform::ui::detail
