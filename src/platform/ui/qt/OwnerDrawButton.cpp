#include "platform/ui/qt/OwnerDrawButton.h"

#include "platform/ui/DC.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

namespace platform::ui::detail {

OwnerDrawButton::OwnerDrawButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void OwnerDrawButton::paintEvent(QPaintEvent*)
{
    const HWND window = HandleOf(this);
    WindowRecord* record = RecordOf(window);
    const HWND parent = HandleOf(parentWidget());
    if (!record || !parent)
        return;
    QPainter painter(this);
    record->activePainter = &painter;
    {
        CPaintDC dc(CWnd::FromHandle(window));
        DRAWITEMSTRUCT item;
        item.CtlType = ODT_BUTTON;
        item.CtlID = record->id;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = (isDown() ? ODS_SELECTED : 0) | (hasFocus() ? ODS_FOCUS : 0) | (isEnabled() ? 0 : ODS_DISABLED);
        item.hwndItem = window;
        item.hDC = dc.m_hDC;
        item.rcItem = RECT{0, 0, width(), height()};
        Deliver(parent, WM_DRAWITEM, record->id, reinterpret_cast<LPARAM>(&item));
    }
    if (RecordOf(window))
        record->activePainter = nullptr;
}

} // namespace platform::ui::detail
