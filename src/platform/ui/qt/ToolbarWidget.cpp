#include "platform/ui/qt/ToolbarWidget.h"

#include "platform/ui/DC.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/qt/DcFactory.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QMouseEvent>
#include <algorithm>

namespace platform::ui::detail {
namespace {

// A separator without a width of its own.
constexpr int kSeparatorWidth = 8;
// The etched line a toolbar without CCS_NODIVIDER draws along its top.
constexpr int kDivider = 2;

bool Hidden(const TBBUTTON& button)
{
    return (button.fsState & TBSTATE_HIDDEN) != 0;
}

} // namespace

ToolbarWidget::ToolbarWidget(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    m_font.CreateFontIndirect(&metrics.lfMessageFont);
}

HWND ToolbarWidget::Handle() const
{
    return HandleOf(this);
}

DWORD ToolbarWidget::Style() const
{
    WindowRecord* record = RecordOf(Handle());
    return record ? record->style : 0;
}

CString ToolbarWidget::TextOf(const TBBUTTON& button) const
{
    const INT_PTR index = button.iString;
    return index >= 0 && index < static_cast<INT_PTR>(m_data.strings.size()) ? m_data.strings[static_cast<size_t>(index)]
                                                                              : CString();
}

int ToolbarWidget::TextWidth(const CString& text) const
{
    if (text.IsEmpty())
        return 0;
    const std::unique_ptr<CDC> dc = MakeWindowDc(nullptr);
    dc->SelectObject(&m_font);
    return dc->GetTextExtent(text).cx;
}

int ToolbarWidget::ButtonWidth(const TBBUTTON& button) const
{
    if (button.fsStyle & TBSTYLE_SEP)
        return button.iBitmap > 0 ? button.iBitmap : kSeparatorWidth;
    int width = m_data.buttonSize.cx;
    if (button.fsStyle & TBSTYLE_AUTOSIZE) {
        // As wide as its picture and caption: the greatest width bounds the other buttons only.
        const int text = TextWidth(TextOf(button));
        width = (Style() & TBSTYLE_LIST) ? kPadding + m_data.bitmapSize.cx + (text ? kListGap + text : 0) + kPadding
                                         : std::max<int>(m_data.bitmapSize.cx, text) + 2 * kPadding;
    } else if (m_data.maxWidth > 0) {
        width = std::min(width, m_data.maxWidth);
    }
    return std::max(width, m_data.minWidth);
}

QRect ToolbarWidget::ItemRect(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_data.buttons.size()) || Hidden(m_data.buttons[static_cast<size_t>(index)]))
        return QRect();
    const int top = (Style() & CCS_NODIVIDER) ? 0 : kDivider;
    int left = 0;
    for (int i = 0; i < index; ++i)
        if (!Hidden(m_data.buttons[static_cast<size_t>(i)]))
            left += ButtonWidth(m_data.buttons[static_cast<size_t>(i)]);
    return QRect(left, top, ButtonWidth(m_data.buttons[static_cast<size_t>(index)]), m_data.buttonSize.cy);
}

int ToolbarWidget::HitTest(const QPoint& point) const
{
    for (int i = 0; i < static_cast<int>(m_data.buttons.size()); ++i) {
        const TBBUTTON& button = m_data.buttons[static_cast<size_t>(i)];
        if (!(button.fsStyle & TBSTYLE_SEP) && (button.fsState & TBSTATE_ENABLED) && ItemRect(i).contains(point))
            return i;
    }
    return -1;
}

int ToolbarWidget::SetHot(int index)
{
    const int previous = m_data.hot;
    if (index != previous) {
        m_data.hot = index;
        update();
    }
    return previous;
}

CImageList* ToolbarWidget::Images()
{
    if (m_data.images)
        return m_data.images;
    return m_data.added.GetImageCount() > 0 ? &m_data.added : nullptr;
}

void ToolbarWidget::SetPressed(int index, bool pressed)
{
    BYTE& state = m_data.buttons[static_cast<size_t>(index)].fsState;
    const BYTE before = state;
    state = static_cast<BYTE>(pressed ? state | TBSTATE_PRESSED : state & ~TBSTATE_PRESSED);
    if (state != before)
        update();
}

void ToolbarWidget::Click(int index)
{
    TBBUTTON& button = m_data.buttons[static_cast<size_t>(index)];
    if (button.fsStyle & TBSTYLE_CHECK)
        button.fsState ^= TBSTATE_CHECKED;
    update();
    if (RecordOf(m_data.notify))
        Deliver(m_data.notify, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(button.idCommand), BN_CLICKED),
                reinterpret_cast<LPARAM>(Handle()));
}

void ToolbarWidget::mouseMoveEvent(QMouseEvent* event)
{
    const int over = HitTest(event->position().toPoint());
    if (Style() & TBSTYLE_FLAT)
        SetHot(over);
    if (m_pressed >= 0)
        SetPressed(m_pressed, over == m_pressed);
}

void ToolbarWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = HitTest(event->position().toPoint());
    if (m_pressed >= 0)
        SetPressed(m_pressed, true);
}

void ToolbarWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_pressed < 0)
        return;
    const int button = m_pressed;
    m_pressed = -1;
    SetPressed(button, false);
    if (HitTest(event->position().toPoint()) == button)
        Click(button);
}

void ToolbarWidget::leaveEvent(QEvent*)
{
    if (m_pressed < 0 && (Style() & TBSTYLE_FLAT))
        SetHot(-1);
}

} // namespace platform::ui::detail
