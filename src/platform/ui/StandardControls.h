#pragma once
// The standard controls of the dialogs: wrappers whose operations act on the control's window.

#include "platform/ui/GdiDefs.h"
#include "platform/ui/Wnd.h"

class CStatic : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    // Shows the bitmap at its own size in place of the text; returns the one shown before.
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};

class CButton : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    // A button made by the program as a child of `parent`, at a place in pixels.
    BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetCheck() const;
    void SetCheck(int state);
    UINT GetButtonStyle() const;
    // Shows the bitmap on the button's face; returns the one shown before.
    HBITMAP SetBitmap(HBITMAP bitmap);
    // Owner-drawn buttons draw themselves here, when their parent hands them WM_DRAWITEM.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CEdit : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    // What the user types or pastes takes at most this many bytes as the program stores the
    // text (GB18030), as EM_LIMITTEXT counts the bytes of an edit of the Windows program: typed
    // text past it is refused and pasted text cut, never inside a character. Text the program
    // sets is not cut, as on Windows. Single-line edits only.
    void SetLimitText(UINT maxStoredBytes);
};

class CComboBox : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    // Adds at the end, or in its sorted place in a CBS_SORT box; returns the index.
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
};

class CListBox : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    int AddString(LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    void GetText(int index, CString& text) const;
    int SetItemHeight(int index, UINT height);
};

class CProgressCtrl : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    void SetRange(short lower, short upper);
    int SetPos(int position);
    int GetPos() const;
};

// Windows API checks a radio button of a group and clears the others.
void CheckRadioButton(CWnd* dialog, int firstId, int lastId, int checkId);
