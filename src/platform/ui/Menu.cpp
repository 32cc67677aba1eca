#include "platform/ui/Menu.h"

#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/SystemMenu.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QCursor>
#include <QMenu>
#include <map>
#include <mutex>

using namespace platform::ui::detail;

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

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text)
{
    const bool separator = (flags & MF_SEPARATOR) != 0;
    if (!separator && !text)
        return FALSE;
    m_items.push_back(MenuItemTemplate{separator ? 0u : static_cast<UINT>(id), separator ? "" : text, flags});
    return TRUE;
}

int CMenu::GetMenuString(UINT position, CString& text, UINT flags) const
{
    text.Empty();
    if (!(flags & MF_BYPOSITION) || position >= m_items.size())
        return 0;
    text = m_items[position].text;
    return text.GetLength();
}

UINT CMenu::Choose(int x, int y, CWnd* window) const
{
    std::vector<std::string> texts;
    for (const MenuItemTemplate& item : m_items)
        texts.push_back(item.text);
    UINT command = 0;
    if (platform::ui::RecordPopupMenu(texts, &command))
        return command;
    QMenu menu(window ? WidgetOf(window->m_hWnd) : nullptr);
    for (const MenuItemTemplate& item : m_items) {
        if (item.flags & MF_SEPARATOR)
            menu.addSeparator();
        else
            menu.addAction(QString::fromStdString(item.text))->setData(item.id);
    }
    const QAction* chosen = menu.exec(QPoint(x, y));
    return chosen ? chosen->data().toUInt() : 0;
}

BOOL CMenu::TrackPopupMenu(UINT, int x, int y, CWnd* window)
{
    const UINT command = Choose(x, y, window);
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

CMenu* CWnd::GetSystemMenu(BOOL revert) const
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record || !(record->style & WS_SYSMENU))
        return nullptr;
    if (!record->systemMenu || revert) {
        record->systemMenu = std::make_unique<CMenu>();
        record->systemMenu->AppendMenu(MF_STRING, SC_CLOSE, "关闭(&C)\tAlt+F4");
    }
    return revert ? nullptr : record->systemMenu.get();
}

namespace platform::ui::detail {

void ShowSystemMenu(HWND window, const POINT* at)
{
    WindowRecord* record = RecordOf(window);
    CWnd* object = record ? record->Object() : nullptr;
    CMenu* menu = object ? object->GetSystemMenu(FALSE) : nullptr;
    if (!menu || !record->widget)
        return;
    const QPoint place = at ? QPoint(at->x, at->y) : record->widget->mapToGlobal(QPoint(0, 0));
    const UINT command = menu->Choose(place.x(), place.y(), object);
    if (command != 0 && RecordOf(window))
        Deliver(window, WM_SYSCOMMAND, command, 0);
}

} // namespace platform::ui::detail
