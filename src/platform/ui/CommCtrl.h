#pragma once
// List view and header constants and records with the values the Windows headers give them.
// Free of Qt: the program's own code includes this.

#include "platform/ui/GdiDefs.h"
#include "platform/ui/WinMessages.h"

// The colour a control takes from the system or its owner when told no colour of its own.
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

// Column formats.
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;
constexpr int LVCFMT_JUSTIFYMASK = 0x0003;

// SetColumnWidth: as wide as the column's widest cell text needs.
constexpr int LVSCW_AUTOSIZE = -1;

// Which fields of a column record count.
constexpr UINT LVCF_FMT = 0x0001;
constexpr UINT LVCF_WIDTH = 0x0002;
constexpr UINT LVCF_TEXT = 0x0004;
constexpr UINT LVCF_SUBITEM = 0x0008;

// Which fields of an item record count.
constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_IMAGE = 0x0002;
constexpr UINT LVIF_PARAM = 0x0004;
constexpr UINT LVIF_STATE = 0x0008;

// Item states. The state image index (1 unchecked, 2 checked) sits in bits 12 to 15.
constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
constexpr UINT LVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT INDEXTOSTATEIMAGEMASK(UINT index) { return index << 12; }

// GetNextItem relations.
constexpr UINT LVNI_ALL = 0x0000;
constexpr UINT LVNI_FOCUSED = 0x0001;
constexpr UINT LVNI_SELECTED = 0x0002;

// Item rectangle parts.
constexpr UINT LVIR_BOUNDS = 0;
constexpr UINT LVIR_ICON = 1;
constexpr UINT LVIR_LABEL = 2;

// Image list kinds.
constexpr int LVSIL_SMALL = 1;

// Hit test results.
constexpr UINT LVHT_NOWHERE = 0x0001;
constexpr UINT LVHT_ONITEMICON = 0x0002;
constexpr UINT LVHT_ONITEMLABEL = 0x0004;
constexpr UINT LVHT_ONITEMSTATEICON = 0x0008;
constexpr UINT LVHT_ONITEM = LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON;

// Modifier keys of an activation.
constexpr UINT LVKF_ALT = 0x0001;
constexpr UINT LVKF_CONTROL = 0x0002;
constexpr UINT LVKF_SHIFT = 0x0004;

// Header item fields and formats.
constexpr UINT HDI_WIDTH = 0x0001;
constexpr UINT HDI_TEXT = 0x0002;
constexpr UINT HDI_FORMAT = 0x0004;
constexpr int HDF_LEFT = 0x0000;
constexpr int HDF_RIGHT = 0x0001;
constexpr int HDF_CENTER = 0x0002;
constexpr int HDF_JUSTIFYMASK = 0x0003;
constexpr int HDF_STRING = 0x4000;
// The item is drawn by its owner: the header's parent gets WM_DRAWITEM (ODT_HEADER) for it.
constexpr int HDF_OWNERDRAW = 0x8000;

struct LVCOLUMN {
    UINT mask = 0;
    int fmt = 0;
    int cx = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
};
using LPLVCOLUMN = LVCOLUMN*;

struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
};
using LPLVITEM = LVITEM*;

struct LVHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    int iItem = -1;
    int iSubItem = 0;
};

// LVN_ITEMCHANGED and LVN_COLUMNCLICK.
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
};
using LPNMLISTVIEW = NMLISTVIEW*;
// NM_CUSTOMDRAW of a list view: the item is dwItemSpec, its item data lItemlParam; the colours
// a cell is drawn in can be changed at the item and sub-item stages.
struct NMLVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText = 0;
    COLORREF clrTextBk = 0;
    int iSubItem = 0;
};
using LPNMLVCUSTOMDRAW = NMLVCUSTOMDRAW*;
// The comparison SortItems calls with the item data of two rows and the caller's value:
// negative, 0 or positive as the first row goes before, with or after the second.
using PFNLVCOMPARE = int (*)(LPARAM first, LPARAM second, LPARAM sortData);

// NM_CLICK, NM_DBLCLK and NM_RCLICK of a list view.
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
    UINT uKeyFlags = 0;
};
using LPNMITEMACTIVATE = NMITEMACTIVATE*;

struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey = 0;
    UINT flags = 0;
};
using LPNMLVKEYDOWN = NMLVKEYDOWN*;

struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

// HDM_LAYOUT: the rectangle the header may take (its top moves below the header) and where
// the header goes.
struct HDLAYOUT {
    RECT* prc = nullptr;
    WINDOWPOS* pwpos = nullptr;
};
using LPHDLAYOUT = HDLAYOUT*;

struct HDITEM {
    UINT mask = 0;
    int cxy = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int fmt = 0;
};
using LPHDITEM = HDITEM*;

// HDN_DIVIDERDBLCLICK: the item whose right divider was double-clicked.
struct NMHEADER {
    NMHDR hdr;
    int iItem = 0;
    int iButton = 0;
    HDITEM* pitem = nullptr;
};
using LPNMHEADER = NMHEADER*;

// An opaque place in a sequence, as MFC's iteration functions hand it out.
struct PositionTag;
using POSITION = PositionTag*;
