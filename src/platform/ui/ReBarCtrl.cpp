#include "platform/ui/ReBarCtrl.h"

#include "platform/ui/qt/ChildControl.h"
#include "platform/ui/qt/RebarWidget.h"
#include "platform/ui/qt/WindowAccess.h"

using namespace platform::ui::detail;

RV_MESSAGE_MAP(CReBarCtrl, CWnd)

namespace {

RebarWidget* Bar(const CWnd* control)
{
    return dynamic_cast<RebarWidget*>(WidgetOf(control->m_hWnd));
}

} // namespace

BOOL CReBarCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (!CreateChildControl(*this, ControlClass::Rebar, style, rect, parent, id))
        return FALSE;
    Bar(this)->Arrange();
    return TRUE;
}

BOOL CReBarCtrl::InsertBand(UINT index, LPREBARBANDINFO band)
{
    RebarWidget* bar = Bar(this);
    if (!bar || !band)
        return FALSE;
    REBARBANDINFO kept;
    kept.fMask = band->fMask;
    if (band->fMask & RBBIM_STYLE)
        kept.fStyle = band->fStyle;
    if (band->fMask & RBBIM_CHILD)
        kept.hwndChild = band->hwndChild;
    if (band->fMask & RBBIM_CHILDSIZE) {
        kept.cxMinChild = band->cxMinChild;
        kept.cyMinChild = band->cyMinChild;
    }
    bar->Insert(static_cast<int>(index), kept);
    return TRUE;
}

UINT CReBarCtrl::GetBandCount() const
{
    RebarWidget* bar = Bar(this);
    return bar ? static_cast<UINT>(bar->Count()) : 0;
}

BOOL CReBarCtrl::GetRect(UINT band, LPRECT rect) const
{
    RebarWidget* bar = Bar(this);
    if (!bar || !rect || band >= static_cast<UINT>(bar->Count()))
        return FALSE;
    const QRect place = bar->BandRect(static_cast<int>(band));
    *rect = CRect(place.left(), place.top(), place.left() + place.width(), place.top() + place.height());
    return TRUE;
}

UINT CReBarCtrl::GetBarHeight() const
{
    RebarWidget* bar = Bar(this);
    return bar ? static_cast<UINT>(bar->BarHeight()) : 0;
}
