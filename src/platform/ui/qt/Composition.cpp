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
            Follow(static_cast<QInputMethodEvent&>(*event));
        return false;
    }

private:
    void Follow(QInputMethodEvent& event);

    QString m_drawn;
    QString m_cleared;   // what the input method took away undrawn, with nothing drawn since
};

// A commit of what the input method cleared, before it drew anything again, is stale: ibus
// takes a composition away on Esc yet commits it at the next focus change (a click on 确定).
// A chosen candidate is committed while it is drawn, so it is never taken for one.
void CompositionWatch::Follow(QInputMethodEvent& event)
{
    const bool clears = event.preeditString().isEmpty() && event.commitString().isEmpty();
    if (!m_cleared.isEmpty() && event.commitString() == m_cleared)
        event.setCommitString(QString());
    if (!clears)
        m_cleared.clear();
    else if (!m_drawn.isEmpty())
        m_cleared = m_drawn;
    m_drawn = event.preeditString();
}

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
    const CompositionWatch* watch = focus != nullptr ? WatchOf(*focus) : nullptr;
    // The input method is asked only when an edit draws a composition: Qt's Wayland input
    // context crashes on a commit where the compositor gives it no text input (headless weston).
    if (watch == nullptr || watch->Drawn().isEmpty())
        return;
    // The input method commits what it draws, and forgets it.
    if (focus == QApplication::focusWidget())
        QGuiApplication::inputMethod()->commit();
    // One that did not (none is attached, or the window is not the active one) leaves the edit to
    // commit it itself; should the input method commit it later, the gate drops it.
    if (watch->Drawn().isEmpty())
        return;
    QInputMethodEvent commit;
    commit.setCommitString(watch->Drawn());
    QApplication::sendEvent(focus, &commit);
}

} // namespace platform::ui::detail
