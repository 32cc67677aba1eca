#include "platform/ui/Wnd.h"

#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/GdiDefs.h"
#include "platform/ui/qt/KeptCentred.h"
#include "platform/ui/qt/DcFactory.h"
#include "platform/ui/qt/DialogManager.h"
#include "platform/ui/qt/InputGate.h"
#include "platform/ui/qt/ListViewWidget.h"
#include "platform/ui/qt/ModalOwner.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/WidgetText.h"
#include "platform/ui/qt/ScrolledDialog.h"
#include "platform/ui/qt/SystemMenu.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <vector>

using namespace platform::ui::detail;

namespace {

const char* const kHandleProperty = "rvWindowRecord";

std::set<WindowRecord*>& LiveRecords()
{
    static std::set<WindowRecord*> records;
    return records;
}

QPointer<QWidget> g_capture;
// The window a mouse button went down on, until it comes up: Windows controls capture the
// mouse on a press.
QPointer<QWidget> g_pressed;

bool OnGuiThread()
{
    return QCoreApplication::instance() == nullptr || QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Runs work on the GUI thread and waits for it, as a cross-thread SendMessage does.
template <typename Work>
auto OnGui(Work work) -> decltype(work())
{
    if (OnGuiThread())
        return work();
    decltype(work()) result {};
    QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { result = work(); }, Qt::BlockingQueuedConnection);
    return result;
}

QWidget* Widget(const CWnd* window)
{
    return window ? WidgetOf(window->m_hWnd) : nullptr;
}

QPoint TopLeftOnScreen(const QWidget* widget)
{
    return widget->mapToGlobal(QPoint(0, 0));
}

} // namespace

CWnd* WindowRecord::Object()
{
    if (attached)
        return attached;
    if (!wrapper) {
        wrapper = MakeWrapper(kind);
        wrapper->m_hWnd = this;
    }
    return wrapper.get();
}

namespace platform::ui::detail {

HWND Register(QWidget* widget, WindowKind kind, UINT id, DWORD style, DWORD exStyle)
{
    auto* record = new WindowRecord;
    record->widget = widget;
    record->kind = kind;
    record->id = id;
    record->style = style;
    record->exStyle = exStyle;
    LiveRecords().insert(record);
    widget->setProperty(kHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(record)));
    QObject::connect(widget, &QObject::destroyed, [record] {
        if (record->attached)
            record->attached->m_hWnd = nullptr;
        LiveRecords().erase(record);
        delete record;
    });
    return record;
}

WindowRecord* RecordOf(HWND window)
{
    return window && LiveRecords().count(window) ? window : nullptr;
}

void CheckGuiThread()
{
#ifndef NDEBUG
    if (!OnGuiThread()) {
        std::fputs("a window was touched off the GUI thread\n", stderr);
        std::abort();
    }
#endif
}

QWidget* WidgetOf(HWND window)
{
    CheckGuiThread();
    WindowRecord* record = RecordOf(window);
    return record ? record->widget.data() : nullptr;
}

HWND HandleOf(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    const QVariant value = widget->property(kHandleProperty);
    return value.isValid() ? RecordOf(reinterpret_cast<WindowRecord*>(value.value<quintptr>())) : nullptr;
}

void ActAsWindow(QWidget* widget, HWND window)
{
    if (WindowRecord* record = RecordOf(window))
        widget->setProperty(kHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(record)));
}

QPainter* ActivePainter(HWND window)
{
    WindowRecord* record = RecordOf(window);
    return record ? record->activePainter : nullptr;
}

QImage& ClientOverlay(HWND window)
{
    WindowRecord* record = RecordOf(window);
    static QImage none;
    if (!record || !record->widget)
        return none;
    // At the window's resolution, so what is drawn outside a paint is as sharp as a paint.
    const QWidget* client = ClientWidget(record->widget);
    const qreal ratio = client->devicePixelRatioF();
    const QSize size = client->size();
    if (record->overlay.deviceIndependentSize() != QSizeF(size) || record->overlay.devicePixelRatio() != ratio) {
        QImage grown(size * ratio, QImage::Format_ARGB32_Premultiplied);
        grown.setDevicePixelRatio(ratio);
        grown.fill(Qt::transparent);
        QPainter copy(&grown);
        copy.drawImage(0, 0, record->overlay);
        record->overlay = grown;
    }
    return record->overlay;
}

void OverlayChanged(HWND window, const QRect& area)
{
    if (QWidget* widget = WidgetOf(window))
        ClientWidget(widget)->update(area);
}

LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* handled)
{
    return OnGui([&]() -> LRESULT {
        WindowRecord* record = RecordOf(window);
        if (!record)
            return 0;
        CWnd* object = record->Object();
        const WindowRecord::Current saved = record->current;
        record->current = {message, wParam, lParam, false};
        LRESULT result = 0;
        const BOOL mapped = object->OnWndMsg(message, wParam, lParam, &result);
        if (!mapped)
            result = object->DefWindowProc(message, wParam, lParam);
        if (RecordOf(window)) {
            if (handled)
                *handled = mapped && !record->current.defaultAsked;
            record->current = saved;
        } else if (handled) {
            *handled = true;
        }
        return result;
    });
}

bool Maps(HWND window, UINT message)
{
    WindowRecord* record = RecordOf(window);
    if (!record)
        return false;
    for (const MessageMap* map = record->Object()->GetMessageMap(); map; map = map->base ? map->base() : nullptr)
        for (const MessageMapEntry& entry : map->entries)
            if (entry.kind == MapKind::Message && entry.message == message)
                return true;
    return false;
}

void NotifyCommand(HWND control, UINT code)
{
    WindowRecord* record = RecordOf(control);
    if (!record || !record->widget)
        return;
    const HWND parent = HandleOf(record->widget->parentWidget());
    if (parent)
        Deliver(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(record->id), static_cast<WORD>(code)),
                reinterpret_cast<LPARAM>(control));
}

void Destroy(HWND window)
{
    WindowRecord* record = RecordOf(window);
    if (!record || record->dying)
        return;
    record->dying = true;
    // Owned popups go first, as on Windows; they may hold pointers to the owner's controls.
    std::vector<HWND> owned;
    for (WindowRecord* other : LiveRecords())
        if (other->kind == WindowKind::Popup && other->owner == window)
            owned.push_back(other);
    for (HWND popup : owned)
        Destroy(popup);
    QPointer<QWidget> widget = record->widget;
    Deliver(window, WM_DESTROY, 0, 0);
    if (widget) {
        for (QWidget* child : ClientWidget(widget)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            Destroy(HandleOf(child));
    }
    if (!RecordOf(window))
        return;
    Deliver(window, WM_NCDESTROY, 0, 0);
    record->timers.clear();
    CWnd* attached = record->attached;
    record->attached = nullptr;
    if (attached) {
        attached->m_hWnd = nullptr;
        attached->PostNcDestroy();
    }
    if (widget)
        delete widget.data();
}

} // namespace platform::ui::detail

// ---- CWnd ----------------------------------------------------------------------------------

const MessageMap* CWnd::GetThisMessageMap()
{
    static const MessageMap map{nullptr, {}};
    return &map;
}

CWnd::~CWnd()
{
    if (WindowRecord* record = RecordOf(m_hWnd)) {
        if (record->attached == this)
            record->attached = nullptr;
        if (record->wrapper.get() != this && record->widget && record->widget->isWindow() && !record->dying)
            Destroy(m_hWnd);
    }
}

CWnd* CWnd::FromHandle(HWND window)
{
    WindowRecord* record = RecordOf(window);
    return record ? record->Object() : nullptr;
}

BOOL CWnd::IsWindow(HWND window)
{
    return RecordOf(window) != nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Deliver(m_hWnd, message, wParam, lParam);
}

// Safe from any thread: only the GUI thread looks the window up, there and when it delivers.
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND window = m_hWnd;
    if (!QCoreApplication::instance() || (OnGuiThread() && !RecordOf(window)))
        return FALSE;
    QMetaObject::invokeMethod(QCoreApplication::instance(),
                              [window, message, wParam, lParam] { Deliver(window, message, wParam, lParam); },
                              Qt::QueuedConnection);
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record || !record->widget)
        return 0;
    switch (message) {
    case WM_SETTEXT:
        SetWidgetText(record->widget, QString::fromUtf8(reinterpret_cast<const char*>(lParam)));
        return TRUE;
    case WM_GETTEXT:
        *reinterpret_cast<CString*>(lParam) = CString(WidgetText(record->widget).toStdString());
        return reinterpret_cast<CString*>(lParam)->GetLength();
    case WM_SETFONT:
        if (auto* font = reinterpret_cast<CFont*>(wParam))
            record->widget->setFont(FontOf(static_cast<HFONT>(font->GetSafeHandle())));
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            SendMessage(WM_CLOSE);
        return 0;
    case WM_CLOSE:
        if (record->kind == WindowKind::Dialog)
            SendMessage(WM_COMMAND, IDCANCEL, 0);
        else
            DestroyWindow();
        return 0;
    case WM_CANCELMODE:
        LetGoOfMouse(record->widget);
        return 0;
    case WM_CONTEXTMENU:
        if (record->kind == WindowKind::Dialog) {
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ShowSystemMenu(m_hWnd, at.x == -1 && at.y == -1 ? nullptr : &at);
        }
        return 0;
    case WM_GETDLGCODE:
        return record->kind == WindowKind::Button ? ButtonDlgCode(*record) : 0;
    case BM_SETSTYLE:
        if (record->kind == WindowKind::Button)
            SetButtonType(*record, static_cast<DWORD>(wParam), lParam != 0);
        return 0;
    default:
        return 0;
    }
}

LRESULT CWnd::Default()
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record)
        return 0;
    record->current.defaultAsked = true;
    return DefWindowProc(record->current.message, record->current.wParam, record->current.lParam);
}

BOOL CWnd::OnLayerMessage(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

BOOL CWnd::DispatchMapped(MapKind kind, UINT message, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr)
        for (const MessageMapEntry& entry : map->entries) {
            if (entry.kind != kind || entry.message != message)
                continue;
            if ((kind == MapKind::Command || kind == MapKind::Notify) && (id < entry.idFirst || id > entry.idLast))
                continue;
            if (entry.call(*this, wParam, lParam, *result))
                return TRUE;
        }
    return FALSE;
}

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    HWND child = nullptr;
    if (message == WM_COMMAND)
        child = reinterpret_cast<HWND>(lParam);
    else if (message == WM_NOTIFY && lParam)
        child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    else if (IsCtlColor(message))
        child = reinterpret_cast<HWND>(lParam);
    else if ((message == WM_DRAWITEM || message == WM_MEASUREITEM) && lParam) {
        const UINT id = message == WM_DRAWITEM ? reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlID
                                               : reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlID;
        if (message == WM_DRAWITEM)
            child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        if (!child)
            if (CWnd* item = GetDlgItem(static_cast<int>(id)))
                child = item->m_hWnd;
    }
    if (!child || child == m_hWnd || !RecordOf(child))
        return FALSE;
    return RecordOf(child)->Object()->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND)
        return DispatchMapped(MapKind::ReflectedCommand, HIWORD(wParam), 0, wParam, lParam, result);
    if (message == WM_NOTIFY)
        return DispatchMapped(MapKind::ReflectedNotify, reinterpret_cast<NMHDR*>(lParam)->code, 0, wParam, lParam,
                              result);
    if (IsCtlColor(message))
        return DispatchMapped(MapKind::Message, WM_REFLECT_BASE + WM_CTLCOLOR, 0, wParam,
                              static_cast<LPARAM>(CtlColorKind(message)), result);
    return DispatchMapped(MapKind::Message, WM_REFLECT_BASE + message, 0, wParam, lParam, result);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return OnLayerMessage(message, wParam, lParam, result) || OnMappedMessage(message, wParam, lParam, result);
}

BOOL CWnd::OnMappedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND || message == WM_NOTIFY || message == WM_DRAWITEM || message == WM_MEASUREITEM ||
        IsCtlColor(message)) {
        if (ReflectToChild(message, wParam, lParam, result))
            return TRUE;
    }
    if (message == WM_COMMAND)
        return DispatchMapped(MapKind::Command, HIWORD(wParam), LOWORD(wParam), wParam, lParam, result);
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        return header && DispatchMapped(MapKind::Notify, header->code, static_cast<UINT>(header->idFrom), wParam,
                                        lParam, result);
    }
    return DispatchMapped(MapKind::Message, message, 0, wParam, lParam, result);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::DestroyWindow()
{
    if (!RecordOf(m_hWnd))
        return FALSE;
    return OnGui([this] {
        Destroy(m_hWnd);
        return TRUE;
    });
}

BOOL CWnd::SubclassWindow(HWND window)
{
    WindowRecord* record = RecordOf(window);
    if (!record || (record->attached && record->attached != this))
        return FALSE;
    m_hWnd = window;
    record->attached = this;
    record->wrapper.reset();
    PreSubclassWindow();
    // Windows tells a window of every move over it; Qt only when asked.
    if (record->widget && (Maps(window, WM_MOUSEMOVE) || Maps(window, WM_SETCURSOR)))
        record->widget->setMouseTracking(true);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    CWnd* item = parent ? parent->GetDlgItem(static_cast<int>(id)) : nullptr;
    return item && SubclassWindow(item->m_hWnd);
}

HWND CWnd::UnsubclassWindow()
{
    const HWND window = m_hWnd;
    if (WindowRecord* record = RecordOf(window))
        if (record->attached == this)
            record->attached = nullptr;
    m_hWnd = nullptr;
    return window;
}

CWnd* CWnd::GetDlgItem(int id) const
{
    QWidget* widget = Widget(this);
    if (!widget)
        return nullptr;
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        WindowRecord* record = RecordOf(HandleOf(child));
        if (record && record->id == static_cast<UINT>(id) && HandleOf(child->parentWidget()) == m_hWnd)
            return record->Object();
    }
    return nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    WindowRecord* record = RecordOf(m_hWnd);
    return record ? static_cast<int>(record->id) : 0;
}

CWnd* CWnd::GetParent() const
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record || !record->widget)
        return nullptr;
    if (record->widget->isWindow())
        return FromHandle(record->owner);
    return FromHandle(HandleOf(record->widget->parentWidget()));
}

CWnd* CWnd::GetWindow(UINT relation) const
{
    QWidget* widget = Widget(this);
    if (!widget)
        return nullptr;
    const auto windowsAmong = [](const QObjectList& objects) {
        std::vector<HWND> handles;
        for (QObject* object : objects)
            if (auto* child = qobject_cast<QWidget*>(object))
                if (HWND handle = HandleOf(child))
                    handles.push_back(handle);
        return handles;
    };
    if (relation == GW_CHILD) {
        const auto children = windowsAmong(ClientWidget(widget)->children());
        return children.empty() ? nullptr : FromHandle(children.front());
    }
    if (relation == GW_HWNDNEXT && widget->parentWidget()) {
        const auto siblings = windowsAmong(widget->parentWidget()->children());
        for (size_t i = 0; i + 1 < siblings.size(); ++i)
            if (siblings[i] == m_hWnd)
                return FromHandle(siblings[i + 1]);
    }
    return nullptr;
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const
{
    QWidget* from = Widget(control);
    if (!from)
        return nullptr;
    QWidget* next = previous ? from->previousInFocusChain() : from->nextInFocusChain();
    while (next && next != from && (!HandleOf(next) || !next->isEnabled() || !next->isVisible()))
        next = previous ? next->previousInFocusChain() : next->nextInFocusChain();
    return next && next != from ? FromHandle(HandleOf(next)) : nullptr;
}

// WM_SETTEXT carries the UTF-8 text; WM_GETTEXT carries a CString* to fill.
void CWnd::SetWindowText(LPCTSTR text)
{
    Deliver(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""));
}

void CWnd::GetWindowText(CString& text) const
{
    text.Empty();
    Deliver(m_hWnd, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
}

CString CWnd::GetWindowText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

int CWnd::GetWindowTextLength() const
{
    return GetWindowText().GetLength();
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    QWidget* widget = Widget(this);
    if (!widget)
        return FALSE;
    const BOOL wasDisabled = IsWindowEnabled() ? FALSE : TRUE;
    WindowRecord* record = RecordOf(m_hWnd);
    // A window under its own modal dialog takes no input until the last of them ends.
    record->enableAfterModals = enable != FALSE && RunningModalDialog(m_hWnd) != nullptr;
    if ((enable != FALSE) == !wasDisabled || record->enableAfterModals)
        return wasDisabled;
    if (IsGatedWindow(widget))
        SetRefusesInput(widget, enable == FALSE);
    else
        widget->setEnabled(enable != FALSE);
    SendMessage(WM_ENABLE, enable != FALSE ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    QWidget* widget = Widget(this);
    if (!widget)
        return FALSE;
    return IsGatedWindow(widget) ? !RecordOf(m_hWnd)->refusesInput : !widget->testAttribute(Qt::WA_ForceDisabled);
}

BOOL CWnd::ShowWindow(int command)
{
    QWidget* widget = Widget(this);
    if (!widget)
        return FALSE;
    const BOOL wasVisible = widget->isVisibleTo(widget->parentWidget()) || widget->isVisible();
    const bool show = command != SW_HIDE;
    if (show && (command == SW_SHOWNA || command == SW_SHOWNOACTIVATE))
        widget->setAttribute(Qt::WA_ShowWithoutActivating);
    widget->setVisible(show);
    SendMessage(WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    QWidget* widget = Widget(this);
    return widget && widget->isVisible();
}

DWORD CWnd::GetStyle() const
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record)
        return 0;
    DWORD style = record->style & ~(WS_VISIBLE | WS_DISABLED);
    if (record->widget && record->widget->isVisible())
        style |= WS_VISIBLE;
    if (!IsWindowEnabled())
        style |= WS_DISABLED;
    return style;
}

DWORD CWnd::GetExStyle() const
{
    WindowRecord* record = RecordOf(m_hWnd);
    return record ? record->exStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT)
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record)
        return FALSE;
    const DWORD before = record->style;
    record->style = (before & ~remove) | add;
    if (record->widget) {
        if (record->kind == WindowKind::Static) {
            record->widget->setAttribute(Qt::WA_TransparentForMouseEvents, (record->style & SS_NOTIFY) == 0);
            if (auto* label = qobject_cast<QLabel*>(record->widget.data()))
                label->setWordWrap((record->style & SS_TYPEMASK) == SS_LEFT);
        }
        record->widget->update();
    }
    return before != record->style;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT)
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record)
        return FALSE;
    const DWORD before = record->exStyle;
    record->exStyle = (before & ~remove) | add;
    return before != record->exStyle;
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    if (WindowRecord* record = RecordOf(m_hWnd)) {
        record->font = font;
        Deliver(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
}

CFont* CWnd::GetFont() const
{
    WindowRecord* record = RecordOf(m_hWnd);
    return record ? record->font : nullptr;
}

void CWnd::GetClientRect(LPRECT rect) const
{
    QWidget* widget = Widget(this);
    QRect client = widget ? ClientWidget(widget)->rect() : QRect();
    if (const auto* list = dynamic_cast<const ListViewWidget*>(widget))
        client = list->ClientArea();
    *rect = CRect(0, 0, client.width(), client.height());
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    QWidget* widget = Widget(this);
    if (!widget) {
        *rect = CRect();
        return;
    }
    const QPoint origin = widget->isWindow() ? widget->frameGeometry().topLeft() : TopLeftOnScreen(widget);
    const QSize size = widget->isWindow() ? widget->frameGeometry().size() : widget->size();
    *rect = CRect(origin.x(), origin.y(), origin.x() + size.width(), origin.y() + size.height());
}

void CWnd::ScreenToClient(LPPOINT point) const
{
    if (QWidget* widget = Widget(this)) {
        const QPoint local = ClientWidget(widget)->mapFromGlobal(QPoint(point->x, point->y));
        point->x = local.x();
        point->y = local.y();
    }
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    POINT topLeft{rect->left, rect->top};
    POINT bottomRight{rect->right, rect->bottom};
    ScreenToClient(&topLeft);
    ScreenToClient(&bottomRight);
    *rect = CRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

void CWnd::ClientToScreen(LPPOINT point) const
{
    if (QWidget* widget = Widget(this)) {
        const QPoint global = ClientWidget(widget)->mapToGlobal(QPoint(point->x, point->y));
        point->x = global.x();
        point->y = global.y();
    }
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    POINT topLeft{rect->left, rect->top};
    POINT bottomRight{rect->right, rect->bottom};
    ClientToScreen(&topLeft);
    ClientToScreen(&bottomRight);
    *rect = CRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

namespace {

// A window of fixed size takes a size the program gives it as its new fixed size.
void KeepFixedSize(QWidget* widget, int width, int height)
{
    if (widget->isWindow() && widget->minimumSize() == widget->maximumSize())
        widget->setFixedSize(width, height);
}

} // namespace

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    if (QWidget* widget = Widget(this)) {
        KeepFixedSize(widget, width, height);
        widget->setGeometry(x, y, width, height);
        if (repaint)
            widget->update();
    }
}

void CWnd::MoveWindow(const RECT* rect, BOOL repaint)
{
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT flags)
{
    QWidget* widget = Widget(this);
    if (!widget)
        return FALSE;
    if (!(flags & SWP_NOMOVE))
        widget->move(x, y);
    if (!(flags & SWP_NOSIZE)) {
        KeepFixedSize(widget, cx, cy);
        widget->resize(cx, cy);
    }
    return TRUE;
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    if (QWidget* widget = Widget(this))
        KeepCentred(*widget, Widget(alternateOwner ? alternateOwner : GetParent()));
}

void CWnd::Invalidate(BOOL erase)
{
    InvalidateRect(nullptr, erase);
}

void CWnd::InvalidateRect(const RECT* rect, BOOL erase)
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record || !record->widget)
        return;
    QWidget* client = ClientWidget(record->widget);
    const QRect area = rect ? QRect(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1))
                            : client->rect();
    // Erasing wipes what was drawn outside a paint, as the background erase does on Windows.
    if (erase && !record->overlay.isNull()) {
        QPainter wipe(&record->overlay);
        wipe.setCompositionMode(QPainter::CompositionMode_Clear);
        wipe.fillRect(area, Qt::transparent);
    }
    client->update(area);
}

void CWnd::UpdateWindow()
{
    if (QWidget* widget = Widget(this))
        widget->repaint();
}

BOOL CWnd::RedrawWindow(const RECT* rect, void*, UINT flags)
{
    if (!RecordOf(m_hWnd))
        return FALSE;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(rect, (flags & RDW_ERASE) ? TRUE : FALSE);
    if (flags & RDW_UPDATENOW)
        UpdateWindow();
    return TRUE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, void*)
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record)
        return 0;
    auto timer = std::make_unique<QTimer>();
    const HWND window = m_hWnd;
    QObject::connect(timer.get(), &QTimer::timeout, [window, id] { Deliver(window, WM_TIMER, id, 0); });
    timer->start(static_cast<int>(elapseMs));
    record->timers[id] = std::move(timer);
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    WindowRecord* record = RecordOf(m_hWnd);
    return record && record->timers.erase(id) > 0;
}

CWnd* CWnd::SetCapture()
{
    CWnd* previous = GetCapture();
    QWidget* widget = Widget(this);
    if (g_capture && g_capture != widget)
        g_capture->releaseMouse();
    g_capture = widget;
    if (widget)
        widget->grabMouse();
    return previous;
}

CWnd* CWnd::GetCapture()
{
    return g_capture ? FromHandle(HandleOf(g_capture)) : nullptr;
}

BOOL ReleaseCapture()
{
    if (g_capture)
        g_capture->releaseMouse();
    g_capture = nullptr;
    return TRUE;
}

namespace platform::ui::detail {

void NoteMouseButton(QWidget* widget, bool down)
{
    g_pressed = down ? widget : nullptr;
}

void CancelMouseMode()
{
    if (QWidget* holder = g_capture ? g_capture.data() : g_pressed.data())
        Deliver(HandleOf(holder), WM_CANCELMODE, 0, 0);
    // An open popup of the toolkit keeps every click from the dialog; it hides, as the toolkit
    // hides it for a window it opens itself. A disabled popup could not be closed.
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->hide();
}

void LetGoOfMouse(QWidget* widget)
{
    if (widget && widget == g_capture)
        ReleaseCapture();
    if (widget && widget == g_pressed) {
        g_pressed = nullptr;
        // A button let go of is no longer pressed: the release that follows clicks nothing.
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setDown(false);
    }
}

} // namespace platform::ui::detail

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (QWidget* widget = Widget(this))
        widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(HandleOf(QApplication::focusWidget()));
}

CWnd* CWnd::GetActiveWindow()
{
    return FromHandle(HandleOf(QApplication::activeWindow()));
}

CWnd* CWnd::WindowFromPoint(POINT screenPoint)
{
    QWidget* widget = QApplication::widgetAt(QPoint(screenPoint.x, screenPoint.y));
    while (widget && !HandleOf(widget))
        widget = widget->parentWidget();
    return FromHandle(HandleOf(widget));
}

CDC* CWnd::GetDC()
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record)
        return nullptr;
    record->lentDcs.push_back(MakeWindowDc(m_hWnd));
    return record->lentDcs.back().get();
}

int CWnd::ReleaseDC(CDC* dc)
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record)
        return 0;
    auto& lent = record->lentDcs;
    for (auto it = lent.begin(); it != lent.end(); ++it)
        if (it->get() == dc) {
            lent.erase(it);
            return 1;
        }
    return 0;
}

BOOL CWnd::TrackMouseLeave()
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record)
        return FALSE;
    record->trackLeave = true;
    return TRUE;
}
