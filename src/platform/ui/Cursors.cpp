#include "platform/ui/Cursors.h"

#include "platform/ui/qt/CursorRecord.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QPixmap>
#include <map>
#include <memory>
#include <set>

using namespace platform::ui::detail;

namespace {

struct CursorFile {
    CString path;
    POINT hotSpot;
};

std::map<UINT, CursorFile>& CursorFiles()
{
    static std::map<UINT, CursorFile> files;
    return files;
}

// Cursors made and not destroyed, so a stale handle is never followed.
std::set<HCURSOR>& LiveCursors()
{
    static std::set<HCURSOR> live;
    return live;
}

HCURSOR g_current = nullptr;

HCURSOR Keep(CursorRecord* record)
{
    LiveCursors().insert(record);
    return record;
}

bool Live(HCURSOR cursor)
{
    return cursor && LiveCursors().count(cursor) != 0;
}

HCURSOR Shared(Qt::CursorShape shape)
{
    static std::map<Qt::CursorShape, std::unique_ptr<CursorRecord>> shared;
    std::unique_ptr<CursorRecord>& cursor = shared[shape];
    if (!cursor)
        cursor = std::make_unique<CursorRecord>(CursorRecord{QCursor(shape), true});
    return Keep(cursor.get());
}

} // namespace

HCURSOR LoadCursor(std::nullptr_t, UINT id)
{
    switch (id) {
    case IDC_ARROW: return Shared(Qt::ArrowCursor);
    case IDC_HAND: return Shared(Qt::PointingHandCursor);
    default: return nullptr;
    }
}

void RegisterCursorResource(UINT id, const CString& path, POINT hotSpot)
{
    CursorFiles()[id] = CursorFile{path, hotSpot};
}

HCURSOR LoadCursorResource(UINT id)
{
    const auto found = CursorFiles().find(id);
    if (found == CursorFiles().end())
        return nullptr;
    const QPixmap picture(QString::fromStdString(found->second.path.GetString()));
    if (picture.isNull())
        return nullptr;
    return Keep(new CursorRecord{QCursor(picture, found->second.hotSpot.x, found->second.hotSpot.y), false});
}

HCURSOR CopyCursor(HCURSOR cursor)
{
    return Live(cursor) ? Keep(new CursorRecord{cursor->cursor, false}) : nullptr;
}

BOOL DestroyCursor(HCURSOR cursor)
{
    if (!Live(cursor))
        return FALSE;
    if (cursor->shared)
        return TRUE;
    if (g_current == cursor)
        g_current = nullptr;
    LiveCursors().erase(cursor);
    delete cursor;
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    HCURSOR previous = g_current;
    g_current = Live(cursor) ? cursor : nullptr;
    return previous;
}

HCURSOR GetCursor()
{
    return g_current;
}

BOOL SetCursorPos(int x, int y)
{
    QCursor::setPos(x, y);
    return TRUE;
}

namespace platform::ui::detail {

void AskCursor(HWND window)
{
    if (!Maps(window, WM_SETCURSOR))
        return;
    g_current = nullptr;
    const LRESULT set = Deliver(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    QWidget* widget = WidgetOf(window);
    if (!widget)
        return;
    if (set && g_current)
        widget->setCursor(g_current->cursor);
    else
        widget->unsetCursor();
}

} // namespace platform::ui::detail
