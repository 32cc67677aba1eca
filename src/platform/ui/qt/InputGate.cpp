#include "platform/ui/qt/InputGate.h"

#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QEvent>
#include <QWidget>

namespace platform::ui::detail {
namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::Enter:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

InputGate& InputGate::Instance()
{
    static InputGate gate;
    return gate;
}

bool InputGate::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || !IsUserInput(event->type()))
        return false;
    const WindowRecord* record = RecordOf(HandleOf(static_cast<QWidget*>(watched)->window()));
    if (record == nullptr || !record->refusesInput)
        return false;
    event->ignore();
    return true;
}

bool IsGatedWindow(const QWidget* widget)
{
    return widget != nullptr && widget->isWindow();
}

} // namespace platform::ui::detail
