#pragma once
// CWnd: a window object of the program attached to one window of the layer. Messages sent to
// the window go through the object's message map, then to the window's default handling.

#include "platform/CString.h"
#include "platform/ui/GdiDefs.h"
#include "platform/ui/MessageMap.h"

class CFont;
class CDC;
class CMenu;

// What a window is about to be made with; PreCreateWindow may change it.
struct CREATESTRUCT {
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    DWORD style = 0;
    DWORD dwExStyle = 0;
};

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to a window; a window nobody attached gets a wrapper of the class
    // that matches its kind (a combo box gets a CComboBox), kept until the window dies.
    static CWnd* FromHandle(HWND window);

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling of the message being handled now.
    LRESULT Default();
    // A parent hands a control its own notification first; TRUE keeps it from the parent.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL PreTranslateMessage(MSG* message);
    virtual void PreSubclassWindow() {}
    // Before the window of this object is made (CreateEx, a control's Create); FALSE makes none.
    virtual BOOL PreCreateWindow(CREATESTRUCT&) { return TRUE; }
    virtual BOOL DestroyWindow();
    // After the window is gone; the object may delete itself here.
    virtual void PostNcDestroy() {}
    // A popup window (WS_POPUP only) of a class made by AfxRegisterWndClass, owned by the
    // top-level window of `parent`; this object gets its messages from WM_CREATE on.
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, UINT_PTR idOrMenu, void* param = nullptr);

    // Attaching to a window made elsewhere (a dialog's control).
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // Family.
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    CWnd* GetWindow(UINT relation) const;
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    static BOOL IsWindow(HWND window);

    // Text, state, styles.
    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;
    int GetWindowTextLength() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // Geometry, in pixels; client coordinates start at the window's top-left corner.
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT* rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    // Over the owner, or on the screen while the owner is not on it; kept inside the screen's work
    // area, title bar included.
    void CenterWindow(CWnd* alternateOwner = nullptr);

    // Painting.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
    void UpdateWindow();
    BOOL RedrawWindow(const RECT* rect = nullptr, void* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // Input.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, void* callback = nullptr);
    BOOL KillTimer(UINT_PTR id);
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* SetFocus();
    static CWnd* GetFocus();
    static CWnd* GetActiveWindow();
    static CWnd* WindowFromPoint(POINT screenPoint);
    // Asks for one WM_MOUSELEAVE when the pointer next leaves the window.
    BOOL TrackMouseLeave();

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

    // The system menu of a window with WS_SYSMENU (nullptr without); revert puts back the
    // menu a window starts with and returns nullptr.
    CMenu* GetSystemMenu(BOOL revert) const;
    // The window's icon, shown in its caption and the desktop's task list; the caller keeps
    // owning it. Returns the icon set before.
    HICON SetIcon(HICON icon, BOOL bigIcon);
    HICON GetIcon(BOOL bigIcon) const;

    // A DC drawing on the window outside its paint, until ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* dc);

    // Looks the message up in the maps of this class and its bases.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The same without the layer's own handling: reflection to the child, then the maps.
    BOOL OnMappedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    // Called for each message before any lookup; the layer's own classes use it.
    virtual BOOL OnLayerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    friend struct WindowRecord;
    friend class CDialog;
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL DispatchMapped(MapKind kind, UINT message, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result);
};

BOOL ReleaseCapture();
CWnd* AfxGetMainWnd();

// Typed entry builders for the messages whose handlers take unpacked arguments.
namespace msgmap {

template <typename T>
MessageMapEntry Timer(void (T::*handler)(UINT_PTR))
{
    return {MapKind::Message, WM_TIMER, 0, 0, [handler](CWnd& self, WPARAM w, LPARAM, LRESULT& r) {
                (static_cast<T&>(self).*handler)(w);
                r = 0;
                return true;
            }};
}

// WM_MOUSEMOVE and the button messages: key flags and the point in client coordinates.
template <typename T>
MessageMapEntry Mouse(UINT message, void (T::*handler)(UINT, CPoint))
{
    return {MapKind::Message, message, 0, 0, [handler](CWnd& self, WPARAM w, LPARAM l, LRESULT& r) {
                (static_cast<T&>(self).*handler)(static_cast<UINT>(w), CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));
                r = 0;
                return true;
            }};
}

template <typename T>
MessageMapEntry KeyDown(void (T::*handler)(UINT, UINT, UINT))
{
    return {MapKind::Message, WM_KEYDOWN, 0, 0, [handler](CWnd& self, WPARAM w, LPARAM l, LRESULT& r) {
                (static_cast<T&>(self).*handler)(static_cast<UINT>(w), static_cast<UINT>(l & 0xFFFF),
                                                 static_cast<UINT>((l >> 16) & 0xFFFF));
                r = 0;
                return true;
            }};
}

// WM_SETFOCUS / WM_KILLFOCUS: the other window.
template <typename T>
MessageMapEntry Focus(UINT message, void (T::*handler)(CWnd*))
{
    return {MapKind::Message, message, 0, 0, [handler](CWnd& self, WPARAM w, LPARAM, LRESULT& r) {
                (static_cast<T&>(self).*handler)(CWnd::FromHandle(reinterpret_cast<HWND>(w)));
                r = 0;
                return true;
            }};
}

template <typename T>
MessageMapEntry ShowWindow(void (T::*handler)(BOOL, UINT))
{
    return {MapKind::Message, WM_SHOWWINDOW, 0, 0, [handler](CWnd& self, WPARAM w, LPARAM l, LRESULT& r) {
                (static_cast<T&>(self).*handler)(static_cast<BOOL>(w), static_cast<UINT>(l));
                r = 0;
                return true;
            }};
}

template <typename T>
MessageMapEntry EraseBackground(BOOL (T::*handler)(CDC*))
{
    return {MapKind::Message, WM_ERASEBKGND, 0, 0, [handler](CWnd& self, WPARAM w, LPARAM, LRESULT& r) {
                r = (static_cast<T&>(self).*handler)(reinterpret_cast<CDC*>(w));
                return true;
            }};
}

template <typename T>
MessageMapEntry NcHitTest(LRESULT (T::*handler)(CPoint))
{
    return {MapKind::Message, WM_NCHITTEST, 0, 0, [handler](CWnd& self, WPARAM, LPARAM l, LRESULT& r) {
                r = (static_cast<T&>(self).*handler)(CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));
                return true;
            }};
}

} // namespace msgmap
