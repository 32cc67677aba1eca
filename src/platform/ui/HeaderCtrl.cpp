#include "platform/ui/HeaderCtrl.h"

#include "platform/ui/qt/HeaderWidget.h"
#include "platform/ui/qt/TextCopy.h"
#include "platform/ui/qt/WindowAccess.h"

using namespace platform::ui::detail;

RV_MESSAGE_MAP(CHeaderCtrl, CWnd)

namespace {

HeaderWidget* Header(const CWnd* window)
{
    return dynamic_cast<HeaderWidget*>(WidgetOf(window->m_hWnd));
}

} // namespace

int CHeaderCtrl::GetItemCount() const
{
    HeaderWidget* header = Header(this);
    return header ? header->Count() : -1;
}

BOOL CHeaderCtrl::GetItemRect(int index, LPRECT rect) const
{
    HeaderWidget* header = Header(this);
    if (!header || !header->Has(index))
        return FALSE;
    const QRect item = header->ItemRect(index);
    *rect = RECT{item.left(), item.top(), item.left() + item.width(), item.top() + item.height()};
    return TRUE;
}

BOOL CHeaderCtrl::GetItem(int index, HDITEM* item) const
{
    HeaderWidget* header = Header(this);
    if (!header || !header->Has(index) || !item)
        return FALSE;
    const HeaderItem& shown = header->Item(index);
    if (item->mask & HDI_FORMAT)
        item->fmt = shown.fmt;
    if (item->mask & HDI_WIDTH)
        item->cxy = shown.width;
    if (item->mask & HDI_TEXT)
        CopyText(shown.text, item->pszText, item->cchTextMax);
    return TRUE;
}

BOOL CHeaderCtrl::SetItem(int index, const HDITEM* item)
{
    HeaderWidget* header = Header(this);
    if (!header || !header->Has(index) || !item)
        return FALSE;
    HeaderItem changed = header->Item(index);
    if (item->mask & HDI_FORMAT)
        changed.fmt = item->fmt;
    if (item->mask & HDI_WIDTH)
        changed.width = item->cxy < 0 ? 0 : item->cxy;
    if (item->mask & HDI_TEXT)
        changed.text = item->pszText ? item->pszText : "";
    header->Update(index, changed);
    return TRUE;
}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CHeaderCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HeaderWidget* header = Header(this);
    if (message != HDM_LAYOUT || !header || !lParam)
        return CWnd::DefWindowProc(message, wParam, lParam);
    const HDLAYOUT* layout = reinterpret_cast<const HDLAYOUT*>(lParam);
    RECT* rest = layout->prc;
    const int height = header->NaturalHeight();
    *layout->pwpos = WINDOWPOS{m_hWnd, nullptr, rest->left, rest->top, rest->right - rest->left, height,
                               SWP_NOZORDER | SWP_NOACTIVATE};
    rest->top += height;
    return TRUE;
}
