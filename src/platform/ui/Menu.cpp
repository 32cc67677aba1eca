#include "platform/ui/Menu.h"

#include "platform/ui/Wnd.h"
#include "platform/ui/qt/SystemMenu.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QMenu>
#include <QPointer>

using namespace platform::ui::detail;

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text)
{
    if (!(flags & MF_SEPARATOR) && !text)
        return FALSE;
    m_items.push_back(MenuItem{flags, (flags & MF_SEPARATOR) ? 0 : id, text ? CString(text) : CString()});
    return TRUE;
}

UINT CMenu::GetMenuItemID(int position) const
{
    if (position < 0 || position >= static_cast<int>(m_items.size()))
        return static_cast<UINT>(-1);
    return static_cast<UINT>(m_items[static_cast<size_t>(position)].id);
}

int CMenu::GetMenuString(UINT position, CString& text, UINT flags) const
{
    text.Empty();
    if (!(flags & MF_BYPOSITION) || position >= m_items.size())
        return 0;
    text = m_items[position].text;
    return text.GetLength();
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

void ShowSystemMenu(HWND window)
{
    WindowRecord* record = RecordOf(window);
    CMenu* menu = record ? record->Object()->GetSystemMenu(FALSE) : nullptr;
    if (!menu || !record->widget)
        return;
    QMenu popup(record->widget);
    for (const MenuItem& item : menu->Items()) {
        if (item.flags & MF_SEPARATOR) {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(QString::fromStdString(item.text.GetString()));
        action->setData(QVariant::fromValue(static_cast<qulonglong>(item.id)));
    }
    const QAction* chosen = popup.exec(record->widget->mapToGlobal(QPoint(0, 0)));
    if (chosen && RecordOf(window))
        Deliver(window, WM_SYSCOMMAND, static_cast<WPARAM>(chosen->data().toULongLong()), 0);
}

} // namespace platform::ui::detail
