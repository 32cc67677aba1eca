#include "platform/ui/qt/ToolTipWidget.h"

#include "platform/ui/WinMessages.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QToolTip>

namespace platform::ui::detail {

ToolTipWidget::ToolTipWidget(QWidget* parent) : QWidget(parent)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(QApplication::doubleClickInterval());
    QObject::connect(&m_delay, &QTimer::timeout, this, [this] { Show(); });
}

void ToolTipWidget::Add(Tool tool)
{
    m_tools.push_back(std::move(tool));
}

const ToolTipWidget::Tool* ToolTipWidget::Current() const
{
    return m_current >= 0 ? &m_tools[static_cast<size_t>(m_current)] : nullptr;
}

void ToolTipWidget::Relay(const MSG& message)
{
    if (message.message != WM_MOUSEMOVE) {
        if (message.message == WM_LBUTTONDOWN || message.message == WM_RBUTTONDOWN) {
            m_delay.stop();
            QToolTip::hideText();
        }
        return;
    }
    const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    int over = -1;
    for (size_t i = 0; i < m_tools.size() && over < 0; ++i) {
        const Tool& tool = m_tools[i];
        if (tool.window == message.hwnd && CRect(tool.rect).PtInRect(at))
            over = static_cast<int>(i);
    }
    if (QWidget* window = WidgetOf(message.hwnd))
        m_at = window->mapToGlobal(QPoint(at.x, at.y));
    if (over == m_current)
        return;
    m_current = over;
    QToolTip::hideText();
    if (over >= 0)
        m_delay.start();
    else
        m_delay.stop();
}

void ToolTipWidget::SetText(HWND window, UINT_PTR id, const CString& text)
{
    for (Tool& tool : m_tools)
        if (tool.window == window && tool.id == id)
            tool.text = text;
}

void ToolTipWidget::SetActive(bool active)
{
    m_active = active;
    if (!active) {
        m_delay.stop();
        QToolTip::hideText();
    }
}

int ToolTipWidget::SetMaxWidth(int width)
{
    const int previous = m_maxWidth;
    m_maxWidth = width;
    return previous;
}

void ToolTipWidget::Show()
{
    if (!m_active)
        return;
    const Tool* tool = Current();
    QWidget* window = tool ? WidgetOf(tool->window) : nullptr;
    if (!window)
        return;
    const QRect area(tool->rect.left, tool->rect.top, tool->rect.right - tool->rect.left,
                     tool->rect.bottom - tool->rect.top);
    QString text = QString::fromUtf8(tool->text.GetString());
    // Rich text wraps at the width asked for.
    if (m_maxWidth > 0)
        text = QString("<p style='white-space:pre-wrap; width:%1px'>%2</p>").arg(m_maxWidth).arg(text.toHtmlEscaped());
    QToolTip::showText(m_at, text, window, area);
}

} // namespace platform::ui::detail
