#pragma once
// Menus: the program's menu resources (popup menus of command items, for context menus) and a
// window's system menu, to which a dialog appends items of its own. Choosing an item of the
// system menu sends the window WM_SYSCOMMAND with the item's id; the menu opens with Alt+Space
// on a window that has WS_SYSMENU.

#include "platform/ui/Wnd.h"

#include <memory>
#include <string>
#include <vector>

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_BYPOSITION = 0x0400;
// WM_MENUCHAR's menu kind: an Alt key with a character that nothing takes as its access key.
constexpr UINT MF_SYSMENU = 0x2000;

// System commands; a dialog's own items use ids below 0xF000.
constexpr UINT SC_CLOSE = 0xF060;

struct MenuItemTemplate {
    UINT id = 0;
    std::string text;   // "&" marks the access key
    UINT flags = MF_STRING;
};

struct MenuTemplate {
    UINT id = 0;
    std::vector<std::vector<MenuItemTemplate>> popups;
};

void RegisterMenuTemplate(MenuTemplate menu);

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // FALSE when no menu of that id is registered.
    BOOL LoadMenu(UINT id);
    // The popup at that position; nullptr past the end. It lives as long as this menu.
    CMenu* GetSubMenu(int position);
    UINT GetMenuItemCount() const;
    // 0 for a separator and past the end.
    UINT GetMenuItemID(int position) const;
    // MF_STRING with a text, or MF_SEPARATOR.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
    // MF_BYPOSITION; returns the length of the text.
    int GetMenuString(UINT position, CString& text, UINT flags) const;
    // Shows the popup with its top-left corner at the screen point; the item chosen reaches
    // the window as WM_COMMAND once the menu has closed. FALSE when nothing was chosen.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* window);

    // The item chosen from the menu shown at the screen point (0 for none).
    UINT Choose(int x, int y, CWnd* window) const;

private:
    std::vector<MenuItemTemplate> m_items;
    std::vector<std::unique_ptr<CMenu>> m_popups;
};

constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;

// The mouse pointer in screen coordinates.
BOOL GetCursorPos(LPPOINT point);
