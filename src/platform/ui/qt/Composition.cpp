#include "platform/ui/qt/Composition.h"

#include <QApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QWidget>

namespace platform::ui::detail {
namespace {

class CompositionWatch : public QObject {
public:
    explicit CompositionWatch(QWidget* edit) : QObject(edit) { edit->installEventFilter(this); }

    const QString& Drawn() const { return m_drawn; }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::InputMethod)
            Follow(static_cast<const QInputMethodEvent&>(*event));
        return false;
    }

private:
    void Follow(const QInputMethodEvent& event) { m_drawn = event.preeditString(); }

    QString m_drawn;
};

// The layer's classes have no meta-objects of their own, so a cast by the toolkit's would take
// any child.
const CompositionWatch* WatchOf(const QWidget& edit)
{
    for (const QObject* child : edit.children())
        if (const auto* watch = dynamic_cast<const CompositionWatch*>(child))
            return watch;
    return nullptr;
}

} // namespace

void WatchComposition(QWidget* edit)
{
    new CompositionWatch(edit);
}

void FinishComposition(QWidget* window)
{
    QWidget* focus = window->focusWidget();
    if (focus == nullptr)
        return;
    // The input method commits what it draws, and forgets it.
    if (focus == QApplication::focusWidget())
        QGuiApplication::inputMethod()->commit();
    // One that did not (none is attached, or the window is not the active one) leaves the edit to
    // commit it itself; should the input method commit it later, the gate drops it.
    const CompositionWatch* watch = WatchOf(*focus);
    if (watch == nullptr || watch->Drawn().isEmpty())
        return;
    QInputMethodEvent commit;
    commit.setCommitString(watch->Drawn());
    QApplication::sendEvent(focus, &commit);
}

} // namespace platform::ui::detail
