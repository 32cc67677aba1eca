#pragma once
// Private to the window layer: what the layer knows of one window.

#include "platform/ui/DC.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Wnd.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

// What kind of window a record stands for; decides the wrapper class and default handling.
enum class WindowKind { Dialog, Popup, Static, Button, Edit, ComboBox, ListBox, ListView, Header, Progress,
                        Toolbar, Rebar, ToolTip };

struct WindowRecord {
    QPointer<QWidget> widget;
    WindowKind kind = WindowKind::Static;
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND owner = nullptr;                 // dialogs and popups: the window they belong to
    UINT defaultId = 0;                   // dialogs: the template's default push button, 0 for none
    CWnd* attached = nullptr;             // the object that subclassed the window
    std::unique_ptr<CWnd> wrapper;        // made on demand when nobody attached
    std::map<UINT_PTR, std::unique_ptr<QTimer>> timers;
    QPainter* activePainter = nullptr;
    QImage overlay;                       // drawing done outside a paint
    CFont* font = nullptr;
    std::unique_ptr<CFont> ownFont;       // a dialog's font, made from its template
    std::vector<std::unique_ptr<CDC>> lentDcs;   // GetDC until ReleaseDC
    std::unique_ptr<CMenu> systemMenu;   // made when first asked for
    HICON icons[2] = {nullptr, nullptr};   // small, big
    bool trackLeave = false;
    bool refusesInput = false;            // a disabled top-level window (qt/InputGate)
    std::vector<QPointer<QWidget>> modalDialogs;   // running over this window, innermost last (qt/ModalOwner)
    bool enableAfterModals = false;       // an enable waiting for the last of them to end
    bool dying = false;

    // The message being handled, for CWnd::Default().
    struct Current {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        bool defaultAsked = false;
    };
    Current current;

    // The object messages go to: the attached one, else the wrapper.
    CWnd* Object();
};

namespace platform::ui::detail {

// Makes a record for a widget; the record dies with the widget.
HWND Register(QWidget* widget, WindowKind kind, UINT id, DWORD style, DWORD exStyle);
WindowRecord* RecordOf(HWND window);     // nullptr for a handle that is not alive
// Sends a message to a window as SendMessage does; `handled` tells whether a map took it.
LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* handled = nullptr);
// Whether the window's object maps this plain message (so the layer lets it replace Qt's handling).
bool Maps(HWND window, UINT message);
// Tells a control's parent of a command notification (WM_COMMAND).
void NotifyCommand(HWND control, UINT code);
// Makes the wrapper object for a window of that kind.
std::unique_ptr<CWnd> MakeWrapper(WindowKind kind);
// Destroys a window and its children, sending WM_DESTROY and WM_NCDESTROY as Windows does.
void Destroy(HWND window);

} // namespace platform::ui::detail
