#include "platform/ui/qt/InputGate.h"

#include "platform/ui/qt/Composition.h"
#include "platform/ui/qt/ModalOwner.h"
#include "platform/ui/qt/OwnedStates.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"
#include "platform/ui/qt/WindowSystem.h"

#include <QApplication>
#include <QEvent>
#include <QInputMethod>
#include <QInputMethodQueryEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
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

bool WindowRefusesInput(const QWidget* widget)
{
    const WindowRecord* record = RecordOf(HandleOf(widget->window()));
    return record != nullptr && record->refusesInput;
}

// A read-only edit takes text from the program only; a multi-line edit's text arrives through
// its viewport too.
bool IsReadOnlyEdit(const QWidget* widget)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->isReadOnly();
    for (const QWidget* each = widget; each != nullptr; each = each->isWindow() ? nullptr : each->parentWidget())
        if (const auto* multi = qobject_cast<const QPlainTextEdit*>(each))
            return multi->isReadOnly();
    return false;
}

bool RefusesText(const QWidget* widget)
{
    return WindowRefusesInput(widget) || IsReadOnlyEdit(widget);
}

// An input method attaches only where the focus says it takes text; the rest of the answer is
// the widget's own.
void AnswerNoInputMethod(QWidget* widget, QInputMethodQueryEvent* query)
{
    for (unsigned bit = 1; bit != 0; bit <<= 1) {
        const auto asked = static_cast<Qt::InputMethodQuery>(bit);
        if (query->queries() & asked)
            query->setValue(asked, asked == Qt::ImEnabled ? QVariant(false) : widget->inputMethodQuery(asked));
    }
    query->accept();
}

// Where a refusing window's activation goes: the dialog holding it, else an enabled window it owns.
QWidget* ActivationHeir(const QWidget* window)
{
    const HWND handle = HandleOf(window);
    QWidget* dialog = RunningModalDialog(handle);
    if (dialog != nullptr && dialog->isVisible())
        return dialog;
    for (QWidget* each : QApplication::topLevelWidgets()) {
        const WindowRecord* record = RecordOf(HandleOf(each));
        if (record != nullptr && record->kind == WindowKind::Dialog && record->owner == handle &&
            !record->refusesInput && each->isVisible())
            return each;
    }
    return nullptr;
}

void HandOnActivation(const QWidget* window)
{
    QWidget* heir = ActivationHeir(window);
    if (heir == nullptr)
        return;
    // After Qt has finished activating the window the desktop chose.
    QTimer::singleShot(0, heir, [heir] {
        if (OnWayland()) {
            // A compositor takes no request to raise or activate a window, and tells none that it
            // minimised it by itself (mutter's Super+H): shown anew, the heir has the keyboard.
            BringBack(*heir);
            return;
        }
        heir->setWindowState(heir->windowState() & ~Qt::WindowMinimized);
        heir->raise();
        heir->activateWindow();
    });
}

} // namespace

InputGate& InputGate::Instance()
{
    static InputGate gate;
    return gate;
}

bool InputGate::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (widget->isWindow() && WindowRefusesInput(widget))
            HandOnActivation(widget);
        return false;
    case QEvent::InputMethodQuery: {
        auto* query = static_cast<QInputMethodQueryEvent*>(event);
        if (!(query->queries() & Qt::ImEnabled) || !RefusesText(widget))
            return false;
        AnswerNoInputMethod(widget, query);
        return true;
    }
    case QEvent::InputMethod:
        if (!RefusesText(widget))
            return false;
        event->ignore();
        return true;
    default:
        break;
    }
    if (!IsUserInput(event->type()) || !WindowRefusesInput(widget))
        return false;
    event->ignore();
    return true;
}

bool IsGatedWindow(const QWidget* widget)
{
    return widget != nullptr && widget->isWindow();
}

void SetRefusesInput(QWidget* window, bool refuses)
{
    WindowRecord* record = RecordOf(HandleOf(window));
    if (record == nullptr || record->refusesInput == refuses)
        return;
    if (refuses)
        FinishComposition(window);
    record->refusesInput = refuses;
    const QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus->window() == window)
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

} // namespace platform::ui::detail
