#pragma once
// The rebar common control: bands holding child windows (a toolbar), one band a row, each
// with an optional gripper at its left. Free of Qt.

#include "platform/ui/Wnd.h"

constexpr DWORD RBS_BANDBORDERS = 0x0400;

// Which fields of a band record count.
constexpr UINT RBBIM_STYLE = 0x0001;
constexpr UINT RBBIM_CHILD = 0x0010;
constexpr UINT RBBIM_CHILDSIZE = 0x0020;

// Band styles.
constexpr UINT RBBS_GRIPPERALWAYS = 0x0080;
constexpr UINT RBBS_NOGRIPPER = 0x0100;

struct REBARBANDINFO {
    UINT cbSize = sizeof(REBARBANDINFO);
    UINT fMask = 0;
    UINT fStyle = 0;
    HWND hwndChild = nullptr;
    UINT cxMinChild = 0;
    UINT cyMinChild = 0;
};
using LPREBARBANDINFO = REBARBANDINFO*;

class CReBarCtrl : public CWnd {
    RV_DECLARE_MESSAGE_MAP()
public:
    // Without CCS_NORESIZE the rebar lies along its parent's top, as wide as the parent and
    // as high as its bands.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Index -1 appends. The child becomes the rebar's child and is laid out in the band.
    BOOL InsertBand(UINT index, LPREBARBANDINFO band);
    UINT GetBandCount() const;
    // The band's rectangle in the rebar's client coordinates.
    BOOL GetRect(UINT band, LPRECT rect) const;
    UINT GetBarHeight() const;
};
