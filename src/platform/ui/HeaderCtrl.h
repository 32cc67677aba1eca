#pragma once
// CHeaderCtrl: the row of column captions of a list view (its child window with id 0).

#include "platform/ui/CommCtrl.h"
#include "platform/ui/GdiDefs.h"
#include "platform/ui/Wnd.h"

class CHeaderCtrl : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    int GetItemCount() const;
    // In the header's client coordinates.
    BOOL GetItemRect(int index, LPRECT rect) const;
    // HDI_FORMAT, HDI_TEXT (into pszText, at most cchTextMax - 1 bytes) and HDI_WIDTH.
    BOOL GetItem(int index, HDITEM* item) const;
    BOOL SetItem(int index, const HDITEM* item);

    // Items with HDF_OWNERDRAW draw themselves here, when the list hands the header WM_DRAWITEM.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // HDM_LAYOUT: the header takes the top of the rectangle, its font's height and edges high.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
