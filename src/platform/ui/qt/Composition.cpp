#include "platform/ui/qt/Composition.h"

#include <QApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QWidget>

namespace platform::ui::detail {
namespace {

// What an input method drew in one widget, kept with the widget.
class Composition : public QObject {
public:
    explicit Composition(QWidget* edit) : QObject(edit) {}

    const QString& Drawn() const { return m_drawn; }
    void Follow(QInputMethodEvent& event);

private:
    QString m_drawn;
    QString m_cleared;   // what the input method took away undrawn, with nothing drawn since
};

// A commit of what the input method cleared, before it drew anything again, is stale: ibus
// takes a composition away on Esc yet commits it at the next focus change (a click on 确定).
// A chosen candidate is committed while it is drawn, so it is never taken for one.
void Composition::Follow(QInputMethodEvent& event)
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
Composition* CompositionOf(const QWidget& edit)
{
    for (QObject* child : edit.children())
        if (auto* composition = dynamic_cast<Composition*>(child))
            return composition;
    return nullptr;
}

// One watch for the whole process: the input method's text goes to whichever widget has the
// focus (an edit, the combo box or spin box holding one), made by the layer or by the toolkit.
class CompositionWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::InputMethod || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        Composition* composition = CompositionOf(*widget);
        if (composition == nullptr)
            composition = new Composition(widget);
        composition->Follow(static_cast<QInputMethodEvent&>(*event));
        return false;
    }
};

} // namespace

void WatchCompositions(QApplication& application)
{
    static CompositionWatch watch;
    application.installEventFilter(&watch);
}

void FinishComposition(QWidget* window)
{
    QWidget* focus = window->focusWidget();
    const Composition* watch = focus != nullptr ? CompositionOf(*focus) : nullptr;
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
