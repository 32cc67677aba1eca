// Window and application icons: the pictures of icon records handed to Qt.
#include "platform/ui/App.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/GdiRecord.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

using namespace platform::ui::detail;

namespace {

void AddPicture(QIcon& icon, HICON handle)
{
    const GdiRecord* record = LiveRecord(handle);
    if (record && record->kind == GdiKind::Icon && !record->image.isNull())
        icon.addPixmap(QPixmap::fromImage(record->image));
}

} // namespace

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    WindowRecord* record = RecordOf(m_hWnd);
    if (!record)
        return nullptr;
    HICON& slot = record->icons[bigIcon ? 1 : 0];
    HICON previous = slot;
    slot = icon;
    if (record->widget) {
        QIcon shown;
        AddPicture(shown, record->icons[0]);
        AddPicture(shown, record->icons[1]);
        record->widget->setWindowIcon(shown);
    }
    return previous;
}

HICON CWnd::GetIcon(BOOL bigIcon) const
{
    const WindowRecord* record = RecordOf(m_hWnd);
    return record ? record->icons[bigIcon ? 1 : 0] : nullptr;
}

void SetApplicationIcon(HICON icon)
{
    QIcon shown;
    AddPicture(shown, icon);
    QApplication::setWindowIcon(shown);
}
