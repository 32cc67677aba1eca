#pragma once
// Menus as far as the program uses them: a window's system menu, to which a dialog appends
// items of its own. Choosing an item sends the window WM_SYSCOMMAND with the item's id; the
// menu opens with Alt+Space on a window that has WS_SYSMENU. Free of Qt.

#include "platform/CString.h"
#include "platform/ui/WinDef.h"

#include <vector>

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_BYPOSITION = 0x0400;

// System commands; a dialog's own items use ids below 0xF000.
constexpr UINT SC_CLOSE = 0xF060;

struct MenuItem {
    UINT flags = MF_STRING;
    UINT_PTR id = 0;
    CString text;
};

class CMenu {
public:
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
    UINT GetMenuItemCount() const { return static_cast<UINT>(m_items.size()); }
    // 0 for a separator, -1 past the end.
    UINT GetMenuItemID(int position) const;
    // MF_BYPOSITION; returns the length of the text.
    int GetMenuString(UINT position, CString& text, UINT flags) const;
    const std::vector<MenuItem>& Items() const { return m_items; }

private:
    std::vector<MenuItem> m_items;
};
