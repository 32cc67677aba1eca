#pragma once
// The visual-styles library the group boxes ask for the themed frame and caption colour.
// This desktop has none, so every call answers as the missing library does and the boxes
// draw the classic way.

#include "platform/ui/GdiDefs.h"

using HTHEME = void*;
using HRESULT = long;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005L);
constexpr int BP_GROUPBOX = 4;
constexpr int GBS_NORMAL = 1;
constexpr int TMT_TEXTCOLOR = 3803;

class CVisualStyles {
public:
    CVisualStyles() = default;
    ~CVisualStyles() { CloseThemeData(); }
    CVisualStyles(const CVisualStyles&) = delete;
    CVisualStyles& operator=(const CVisualStyles&) = delete;

    BOOL OpenThemeData(HWND window, const wchar_t* classList);
    HRESULT CloseThemeData();
    HRESULT GetThemeColor(int part, int state, int property, COLORREF* colour) const;
    HRESULT DrawThemeBackground(HDC dc, int part, int state, const RECT* rect, const RECT* clip) const;
    BOOL IsThemeActive() const;
    BOOL IsAppThemed() const;
    bool HasTheme() const { return m_hTheme != nullptr; }

private:
    HTHEME m_hTheme = nullptr;
};

extern CVisualStyles g_visualStyles;
