#include "platform/ui/qt/NativeWindow.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace platform::ui::detail {
namespace {

// Lives with the window; the toolkit tells it of a new native window before showing it.
class NativeWindowWatch : public QObject {
public:
    NativeWindowWatch(QWidget& window, std::function<void(QWindow&)> tie)
        : QObject(&window), m_window(window), m_tie(std::move(tie))
    {
        window.installEventFilter(this);
    }

    void TieIfMade()
    {
        if (QWindow* handle = m_window.windowHandle())
            m_tie(*handle);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::WinIdChange)
            TieIfMade();
        return false;
    }

private:
    QWidget& m_window;
    std::function<void(QWindow&)> m_tie;
};

} // namespace

void OnNativeWindow(QWidget& window, std::function<void(QWindow&)> tie)
{
    auto* watch = new NativeWindowWatch(window, std::move(tie));
    if (window.testAttribute(Qt::WA_WState_Created))
        watch->TieIfMade();
}

} // namespace platform::ui::detail
