#pragma once
// The toolbar common control: a row of buttons with images from image lists and texts, that
// tells the window it was made in of clicks (WM_COMMAND) and lets it draw along with
// NM_CUSTOMDRAW. Free of Qt.

#include "platform/ui/GdiDefs.h"
#include "platform/ui/Wnd.h"

class CBitmap;
class CImageList;

// Control styles.
constexpr DWORD CCS_NORESIZE = 0x0004;
constexpr DWORD CCS_NODIVIDER = 0x0040;
constexpr DWORD TBSTYLE_TOOLTIPS = 0x0100;
constexpr DWORD TBSTYLE_FLAT = 0x0800;
constexpr DWORD TBSTYLE_LIST = 0x1000;

// Button styles.
constexpr BYTE TBSTYLE_BUTTON = 0x00;
constexpr BYTE TBSTYLE_SEP = 0x01;
constexpr BYTE TBSTYLE_CHECK = 0x02;
constexpr BYTE TBSTYLE_AUTOSIZE = 0x10;
constexpr BYTE BTNS_BUTTON = TBSTYLE_BUTTON;
constexpr BYTE BTNS_SEP = TBSTYLE_SEP;
constexpr BYTE BTNS_CHECK = TBSTYLE_CHECK;
constexpr BYTE BTNS_AUTOSIZE = TBSTYLE_AUTOSIZE;

// Button states.
constexpr BYTE TBSTATE_CHECKED = 0x01;
constexpr BYTE TBSTATE_PRESSED = 0x02;
constexpr BYTE TBSTATE_ENABLED = 0x04;
constexpr BYTE TBSTATE_HIDDEN = 0x08;

// Custom draw of a button: the toolbar draws no edges of its own.
constexpr LRESULT TBCDRF_NOEDGES = 0x00010000;

struct TBBUTTON {
    int iBitmap = 0;           // image index; for a separator its width (0: the default)
    int idCommand = 0;
    BYTE fsState = 0;
    BYTE fsStyle = 0;
    DWORD_PTR dwData = 0;
    INT_PTR iString = -1;      // index of a string from AddStrings, a pointer to a text, or -1
};
using LPTBBUTTON = TBBUTTON*;

// NM_CUSTOMDRAW of a toolbar: the draw stage, the DC, the whole control or one button's
// rectangle, its command id, CDIS_ state and data, and the text colour the toolbar will use.
struct NMTBCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText = 0;
};
using LPNMTBCUSTOMDRAW = NMTBCUSTOMDRAW*;

class CToolBarCtrl : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    // Its notifications go to `parent`, also after a rebar band takes the toolbar in.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The lists stay the caller's; each returns the one set before.
    CImageList* SetImageList(CImageList* images);
    CImageList* SetHotImageList(CImageList* images);
    BOOL SetBitmapSize(CSize size);
    BOOL SetButtonSize(CSize size);
    // Bounds of the buttons' widths. Auto-size buttons take the width of their image and text,
    // at least the least width, however wide their caption.
    BOOL SetButtonWidth(int minimum, int maximum);
    // Adds the bitmap's images to the toolbar's own list (used when no list is set); `count`
    // images are taken, so the next bitmap's start after them. Returns the first index, or -1.
    int AddBitmap(int count, UINT bitmapId);
    int AddBitmap(int count, CBitmap* bitmap);
    // Texts separated by '\0', the list ended by a second '\0'; returns the first one's index.
    int AddStrings(LPCTSTR strings);
    BOOL AddButtons(int count, const TBBUTTON* buttons);

    int GetButtonCount() const;
    BOOL GetButton(int index, LPTBBUTTON button) const;
    int CommandToIndex(UINT id) const;
    BOOL GetItemRect(int index, LPRECT rect) const;
    // States by command id.
    BOOL SetState(int id, UINT state);
    int GetState(int id) const;
    BOOL CheckButton(int id, BOOL check = TRUE);
    BOOL EnableButton(int id, BOOL enable = TRUE);
    BOOL PressButton(int id, BOOL press = TRUE);
    // The button under the pointer of a flat toolbar, by index (-1: none); returns the previous one.
    int SetHotItem(int index);
    int GetHotItem() const;
};
