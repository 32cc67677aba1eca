#include "platform/ui/Menu.h"

#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QCursor>
#include <QMenu>
#include <map>
#include <mutex>

namespace {

std::mutex g_mutex;

std::map<UINT, MenuTemplate>& Menus()
{
    static std::map<UINT, MenuTemplate> menus;
    return menus;
}

} // namespace

void RegisterMenuTemplate(MenuTemplate menu)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const UINT id = menu.id;
    Menus()[id] = std::move(menu);
}

BOOL CMenu::LoadMenu(UINT id)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto found = Menus().find(id);
    if (found == Menus().end())
        return FALSE;
    m_items.clear();
    m_popups.clear();
    for (const auto& items : found->second.popups) {
        auto popup = std::make_unique<CMenu>();
        popup->m_items = items;
        m_popups.push_back(std::move(popup));
    }
    return TRUE;
}

CMenu* CMenu::GetSubMenu(int position)
{
    return position >= 0 && static_cast<size_t>(position) < m_popups.size() ? m_popups[static_cast<size_t>(position)].get()
                                                                           : nullptr;
}

UINT CMenu::GetMenuItemCount() const
{
    return static_cast<UINT>(m_items.size() + m_popups.size());
}

UINT CMenu::GetMenuItemID(int position) const
{
    return position >= 0 && static_cast<size_t>(position) < m_items.size() ? m_items[static_cast<size_t>(position)].id
                                                                          : 0;
}

BOOL CMenu::TrackPopupMenu(UINT, int x, int y, CWnd* window)
{
    std::vector<std::string> texts;
    for (const MenuItemTemplate& item : m_items)
        texts.push_back(item.text);
    UINT command = 0;
    if (!platform::ui::RecordPopupMenu(texts, &command)) {
        QMenu menu(window ? platform::ui::detail::WidgetOf(window->m_hWnd) : nullptr);
        for (const MenuItemTemplate& item : m_items)
            menu.addAction(QString::fromStdString(item.text))->setData(item.id);
        if (const QAction* chosen = menu.exec(QPoint(x, y)))
            command = chosen->data().toUInt();
    }
    if (command == 0 || !window)
        return FALSE;
    window->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0), 0);
    return TRUE;
}

BOOL GetCursorPos(LPPOINT point)
{
    const QPoint position = QCursor::pos();
    point->x = position.x();
    point->y = position.y();
    return TRUE;
}
