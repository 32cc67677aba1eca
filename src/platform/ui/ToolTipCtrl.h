#pragma once
// Tool tips: a text shown for a rectangle of a window when the pointer rests on it. Windows
// that do not let the tip watch their input relay their mouse messages to it. Free of Qt.

#include "platform/ui/Wnd.h"

constexpr DWORD TTDT_INITIAL = 3;

struct TOOLINFO {
    UINT uFlags = 0;
    HWND hwnd = nullptr;
    UINT_PTR uId = 0;
    RECT rect;
    LPCTSTR lpszText = nullptr;   // the tool's own text, valid while the tool lives
};
using LPTOOLINFO = TOOLINFO*;

class CToolTipCtrl : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    // A rectangle in the window's client coordinates; ids need not differ.
    BOOL AddTool(CWnd* window, LPCTSTR text, LPCRECT rect, UINT_PTR id);
    int GetToolCount() const;
    // Moving onto a tool shows its tip after the initial delay (the double-click time unless
    // set); leaving every tool or pressing a button hides it.
    void RelayEvent(MSG* message);
    void SetDelayTime(DWORD duration, int milliseconds);
    // The text of the tool of that window and id.
    void UpdateTipText(LPCTSTR text, CWnd* window, UINT_PTR id = 0);
    // An inactive tip shows nothing; a new tip control starts active.
    void Activate(BOOL activate);
    BOOL IsActive() const;
    // Tips wider than this many pixels wrap; returns the width set before (-1: none).
    int SetMaxTipWidth(int width);
    // The tool the pointer was last relayed over; FALSE when it is over none.
    BOOL GetCurrentTool(LPTOOLINFO info) const;
};
