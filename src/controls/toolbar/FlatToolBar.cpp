#include "controls/toolbar/FlatToolBar.h"

#include "platform/ui/DC.h"
#include "platform/ui/Resources.h"

RV_MESSAGE_MAP(CFlatToolBar, CToolBarCtrl, msgmap::NotifyReflect(NM_CUSTOMDRAW, &T::OnCustomDraw))

CFlatToolBar::CFlatToolBar() : m_crHot(RGB(193, 210, 238)), m_crBorder(RGB(49, 106, 197))
{
    m_crChecked = m_crHot;
    m_crPressed = m_crChecked;
}

void CFlatToolBar::FillButton(CDC& dc, const RECT& rect, COLORREF fill) const
{
    CPen pen(PS_SOLID, 1, m_crBorder);
    CBrush brush(fill);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    dc.Rectangle(&rect);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void CFlatToolBar::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    auto* draw = reinterpret_cast<NMTBCUSTOMDRAW*>(header);
    CDC dc;
    dc.Attach(draw->nmcd.hdc);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        *result = CDRF_NOTIFYITEMDRAW;
    } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        const UINT state = draw->nmcd.uItemState;
        if (state & CDIS_HOT)
            FillButton(dc, draw->nmcd.rc, m_crHot);
        else if (state & CDIS_CHECKED)
            FillButton(dc, draw->nmcd.rc, m_crChecked);
        else if (state & CDIS_SELECTED)
            FillButton(dc, draw->nmcd.rc, m_crPressed);
        *result = TBCDRF_NOEDGES;
    }
    dc.Detach();
}

BOOL CFlatToolBar::LoadToolBar(UINT resourceId)
{
    if (!GetSafeHwnd())
        return FALSE;
    // Words: version, image width, image height, item count, then one command id per item.
    const std::vector<BYTE>* resource = FindDataResource(resourceId, RT_TOOLBAR);
    const auto word = [resource](size_t at) {
        return static_cast<WORD>((*resource)[2 * at] | ((*resource)[2 * at + 1] << 8));
    };
    if (!resource || resource->size() < 8 || resource->size() < 8 + 2u * word(3))
        return FALSE;
    const int count = word(3);
    int image = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON button;
        button.fsState = TBSTATE_ENABLED;
        button.idCommand = word(4 + static_cast<size_t>(i));
        button.iString = -1;
        if (button.idCommand != 0) {
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = image++;
        } else {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = -1;
        }
        if (!AddButtons(1, &button))
            return FALSE;
    }
    AddBitmap(count, resourceId);
    return TRUE;
}
