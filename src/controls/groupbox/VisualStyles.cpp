#include "controls/groupbox/VisualStyles.h"

CVisualStyles g_visualStyles;

BOOL CVisualStyles::OpenThemeData(HWND, const wchar_t*)
{
    m_hTheme = nullptr;
    return FALSE;
}

HRESULT CVisualStyles::CloseThemeData()
{
    m_hTheme = nullptr;
    return 0;
}

HRESULT CVisualStyles::GetThemeColor(int, int, int, COLORREF*) const
{
    return E_FAIL;
}

HRESULT CVisualStyles::DrawThemeBackground(HDC, int, int, const RECT*, const RECT*) const
{
    return E_FAIL;
}

BOOL CVisualStyles::IsThemeActive() const
{
    return FALSE;
}

BOOL CVisualStyles::IsAppThemed() const
{
    return FALSE;
}
