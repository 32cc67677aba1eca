#pragma once
// Menus from the program's menu resources: each resource holds popup menus of command items.
// Only what a context menu needs: load, take a popup, track it at a screen point.

#include "platform/ui/Wnd.h"

#include <memory>
#include <string>
#include <vector>

struct MenuItemTemplate {
    UINT id = 0;
    std::string text;   // "&" marks the access key
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
    UINT GetMenuItemID(int position) const;
    // Shows the popup with its top-left corner at the screen point; the item chosen reaches
    // the window as WM_COMMAND once the menu has closed. FALSE when nothing was chosen.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* window);

private:
    std::vector<MenuItemTemplate> m_items;
    std::vector<std::unique_ptr<CMenu>> m_popups;
};

constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;

// The mouse pointer in screen coordinates.
BOOL GetCursorPos(LPPOINT point);
