#include "platform/ui/qt/OwnerDrawButton.h"

#include "platform/ui/DC.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

namespace platform::ui::detail {

OwnerDrawButton::OwnerDrawButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void OwnerDrawButton::paintEvent(QPaintEvent*)
{
    PaintOwnerDrawn(this);
}

void PaintOwnerDrawn(QAbstractButton* button)
{
    const HWND window = HandleOf(button);
    WindowRecord* record = RecordOf(window);
    const HWND parent = HandleOf(button->parentWidget());
    if (!record || !parent)
        return;
    QPainter painter(button);
    record->activePainter = &painter;
    {
        CPaintDC dc(CWnd::FromHandle(window));
        // The owner draws in the button's font, as the DC Windows lends it has it selected.
        CFont captionFont;
        captionFont.Attach(MakeFont(button->font()));
        dc.SelectObject(&captionFont);
        DRAWITEMSTRUCT item;
        item.CtlType = ODT_BUTTON;
        item.CtlID = record->id;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = (button->isDown() ? ODS_SELECTED : 0) | (button->hasFocus() ? ODS_FOCUS : 0) |
                         (button->isEnabled() ? 0 : ODS_DISABLED);
        item.hwndItem = window;
        item.hDC = dc.m_hDC;
        item.rcItem = RECT{0, 0, button->width(), button->height()};
        Deliver(parent, WM_DRAWITEM, record->id, reinterpret_cast<LPARAM>(&item));
    }
    if (RecordOf(window))
        record->activePainter = nullptr;
}

} // namespace platform::ui::detail
