#pragma once
// Private to the window layer: the window of a tool tip control. It is never shown itself;
// its tips appear as Qt's tool tips.

#include "platform/CString.h"
#include "platform/ui/WinDef.h"

#include <QTimer>
#include <QWidget>
#include <vector>

namespace platform::ui::detail {

class ToolTipWidget : public QWidget {
public:
    struct Tool {
        HWND window = nullptr;
        UINT_PTR id = 0;
        RECT rect;
        CString text;
    };

    explicit ToolTipWidget(QWidget* parent);

    void Add(Tool tool);
    int Count() const { return static_cast<int>(m_tools.size()); }
    // The tool the pointer is over, or nullptr.
    const Tool* Current() const;
    void Relay(const MSG& message);
    void SetInitialDelay(int milliseconds) { m_delay.setInterval(milliseconds); }
    void SetText(HWND window, UINT_PTR id, const CString& text);
    void SetActive(bool active);
    bool Active() const { return m_active; }
    int SetMaxWidth(int width);

private:
    void Show();

    std::vector<Tool> m_tools;
    int m_current = -1;
    QPoint m_at;   // where the pointer was, on the screen
    QTimer m_delay;
    bool m_active = true;
    int m_maxWidth = -1;
};

} // namespace platform::ui::detail
