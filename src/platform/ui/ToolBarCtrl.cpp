#include "platform/ui/ToolBarCtrl.h"

#include "platform/ui/Resources.h"
#include "platform/ui/qt/ChildControl.h"
#include "platform/ui/qt/ToolbarWidget.h"
#include "platform/ui/qt/WindowAccess.h"

#include <string>

using namespace platform::ui::detail;

RV_MESSAGE_MAP(CToolBarCtrl, CWnd)

namespace {

ToolbarWidget* Bar(const CWnd* control)
{
    return dynamic_cast<ToolbarWidget*>(WidgetOf(control->m_hWnd));
}

// Toolbar bitmaps paint the button face in light grey, which lets the face show through.
constexpr COLORREF kBitmapFace = RGB(192, 192, 192);

} // namespace

BOOL CToolBarCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (!CreateChildControl(*this, ControlClass::Toolbar, style, rect, parent, id))
        return FALSE;
    Bar(this)->Data().notify = parent->m_hWnd;
    return TRUE;
}

CImageList* CToolBarCtrl::SetImageList(CImageList* images)
{
    ToolbarWidget* bar = Bar(this);
    if (!bar)
        return nullptr;
    CImageList* previous = bar->Data().images;
    bar->Data().images = images;
    bar->Changed();
    return previous;
}

CImageList* CToolBarCtrl::SetHotImageList(CImageList* images)
{
    ToolbarWidget* bar = Bar(this);
    if (!bar)
        return nullptr;
    CImageList* previous = bar->Data().hotImages;
    bar->Data().hotImages = images;
    bar->Changed();
    return previous;
}

BOOL CToolBarCtrl::SetBitmapSize(CSize size)
{
    ToolbarWidget* bar = Bar(this);
    if (!bar || size.cx <= 0 || size.cy <= 0)
        return FALSE;
    bar->Data().bitmapSize = size;
    bar->Changed();
    return TRUE;
}

BOOL CToolBarCtrl::SetButtonSize(CSize size)
{
    ToolbarWidget* bar = Bar(this);
    if (!bar || size.cx <= 0 || size.cy <= 0)
        return FALSE;
    bar->Data().buttonSize = size;
    bar->Changed();
    return TRUE;
}

BOOL CToolBarCtrl::SetButtonWidth(int minimum, int maximum)
{
    ToolbarWidget* bar = Bar(this);
    if (!bar)
        return FALSE;
    bar->Data().minWidth = minimum;
    bar->Data().maxWidth = maximum;
    bar->Changed();
    return TRUE;
}

int CToolBarCtrl::AddBitmap(int count, UINT bitmapId)
{
    CBitmap bitmap;
    if (!bitmap.Attach(LoadBitmapResource(bitmapId)))
        return -1;
    return AddBitmap(count, &bitmap);
}

int CToolBarCtrl::AddBitmap(int count, CBitmap* bitmap)
{
    ToolbarWidget* bar = Bar(this);
    if (!bar || !bitmap || count <= 0)
        return -1;
    CImageList& added = bar->Data().added;
    if (!added.GetSafeHandle())
        added.Create(bar->Data().bitmapSize.cx, bar->Data().bitmapSize.cy, ILC_COLOR32 | ILC_MASK, count, 0);
    const int first = added.GetImageCount();
    if (added.Add(bitmap, kBitmapFace) < 0)
        return -1;
    // The toolbar counts as many images as it was told the bitmap holds.
    while (added.GetImageCount() > first + count)
        added.Remove(added.GetImageCount() - 1);
    while (added.GetImageCount() < first + count) {
        CBitmap blank;
        blank.CreateBitmap(bar->Data().bitmapSize.cx, bar->Data().bitmapSize.cy, 1, 32, nullptr);
        added.Add(&blank, RGB(0, 0, 0));
    }
    bar->Changed();
    return first;
}

int CToolBarCtrl::AddStrings(LPCTSTR strings)
{
    ToolbarWidget* bar = Bar(this);
    if (!bar || !strings)
        return -1;
    std::vector<CString>& pool = bar->Data().strings;
    const int first = static_cast<int>(pool.size());
    for (LPCTSTR text = strings; *text; text += std::char_traits<char>::length(text) + 1)
        pool.emplace_back(text);
    return first;
}

BOOL CToolBarCtrl::AddButtons(int count, const TBBUTTON* buttons)
{
    ToolbarWidget* bar = Bar(this);
    if (!bar || count < 0 || (count > 0 && !buttons))
        return FALSE;
    ToolbarData& data = bar->Data();
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = buttons[i];
        // As on Windows, a value above the string indices is the text itself; it is copied.
        if (button.iString > 0xFFFF) {
            data.strings.emplace_back(reinterpret_cast<LPCTSTR>(button.iString));
            button.iString = static_cast<INT_PTR>(data.strings.size() - 1);
        }
        data.buttons.push_back(button);
    }
    bar->Changed();
    return TRUE;
}

int CToolBarCtrl::GetButtonCount() const
{
    ToolbarWidget* bar = Bar(this);
    return bar ? static_cast<int>(bar->Data().buttons.size()) : 0;
}

BOOL CToolBarCtrl::GetButton(int index, LPTBBUTTON button) const
{
    if (index < 0 || index >= GetButtonCount() || !button)
        return FALSE;
    *button = Bar(this)->Data().buttons[static_cast<size_t>(index)];
    return TRUE;
}

int CToolBarCtrl::CommandToIndex(UINT id) const
{
    for (int i = 0; i < GetButtonCount(); ++i)
        if (static_cast<UINT>(Bar(this)->Data().buttons[static_cast<size_t>(i)].idCommand) == id)
            return i;
    return -1;
}

BOOL CToolBarCtrl::GetItemRect(int index, LPRECT rect) const
{
    ToolbarWidget* bar = Bar(this);
    const QRect place = bar ? bar->ItemRect(index) : QRect();
    if (place.isEmpty() || !rect)
        return FALSE;
    *rect = CRect(place.left(), place.top(), place.left() + place.width(), place.top() + place.height());
    return TRUE;
}

BOOL CToolBarCtrl::SetState(int id, UINT state)
{
    const int index = CommandToIndex(static_cast<UINT>(id));
    if (index < 0)
        return FALSE;
    Bar(this)->Data().buttons[static_cast<size_t>(index)].fsState = static_cast<BYTE>(state);
    Bar(this)->Changed();
    return TRUE;
}

int CToolBarCtrl::GetState(int id) const
{
    const int index = CommandToIndex(static_cast<UINT>(id));
    return index < 0 ? -1 : Bar(this)->Data().buttons[static_cast<size_t>(index)].fsState;
}

namespace {

BOOL ChangeState(CToolBarCtrl& bar, int id, BYTE bit, BOOL on)
{
    const int state = bar.GetState(id);
    if (state < 0)
        return FALSE;
    return bar.SetState(id, on ? static_cast<UINT>(state | bit) : static_cast<UINT>(state & ~bit));
}

} // namespace

BOOL CToolBarCtrl::CheckButton(int id, BOOL check)
{
    return ChangeState(*this, id, TBSTATE_CHECKED, check);
}

BOOL CToolBarCtrl::EnableButton(int id, BOOL enable)
{
    return ChangeState(*this, id, TBSTATE_ENABLED, enable);
}

BOOL CToolBarCtrl::PressButton(int id, BOOL press)
{
    return ChangeState(*this, id, TBSTATE_PRESSED, press);
}

int CToolBarCtrl::SetHotItem(int index)
{
    ToolbarWidget* bar = Bar(this);
    if (!bar)
        return -1;
    return bar->SetHot(index >= 0 && index < GetButtonCount() ? index : -1);
}

int CToolBarCtrl::GetHotItem() const
{
    ToolbarWidget* bar = Bar(this);
    return bar ? bar->Data().hot : -1;
}
