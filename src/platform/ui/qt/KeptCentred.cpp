#include "platform/ui/qt/KeptCentred.h"

#include "platform/ui/qt/CentredPlace.h"
#include "platform/ui/qt/WindowPlaces.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <optional>

namespace platform::ui::detail {
namespace {

constexpr const char* kKeeperName = "centred-place-keeper";

// The frame's outer corner to `place`. On the screen the client area goes inside the frame the
// desktop told, and the toolkit takes its own idea of the frame off again to ask for the place,
// so only while the two agree: false when they do not yet.
bool MoveFrameTo(QWidget& window, QPoint place)
{
    const QWindow* native = window.windowHandle();
    if (!native) {
        window.move(place);
        return true;
    }
    const std::optional<QMargins> frame = ToldFrame(window);
    if (!frame || *frame != native->frameMargins())
        return false;
    window.setGeometry(QRect(place + QPoint(frame->left(), frame->top()), window.size()));
    return true;
}

// Lives with the window until it has nothing more to keep.
class Keeper : public QObject {
public:
    Keeper(QWidget& window, const QWidget* over, QPoint put)
        : QObject(&window), m_window(window), m_over(over), m_hadOwner(over != nullptr), m_put(put),
          m_size(window.size())
    {
        setObjectName(kKeeperName);
        window.installEventFilter(this);
        for (QScreen* screen : QGuiApplication::screens())
            connect(screen, &QScreen::availableGeometryChanged, this, [this] { PlaceAgain(); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_window)
            return false;
        if (event->type() == QEvent::Hide)
            Stop();
        else if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == FrameToldEvent())
            PlaceAgain();
        return false;
    }

    void Stop()
    {
        m_stopped = true;
        setObjectName(QString());
        m_window.removeEventFilter(this);
        deleteLater();
    }

private:
    // As it was put, the client area lies between the place asked for (the toolkit holds it
    // until the desktop answers) and that place moved by the frame's top and left as last told:
    // a window manager may tell a frame before it moves the client into it (fluxbox told a title
    // bar of 19 pixels, then of 20). Elsewhere, or of another size, it was moved or sized by the
    // user or the program, or the desktop's answer to an earlier place is still on its way.
    bool AsPut() const
    {
        const QMargins frame = ToldFrame(m_window).value_or(QMargins());
        return m_window.size() == m_size &&
               QRect(m_put, m_put + QPoint(frame.left(), frame.top())).contains(m_window.geometry().topLeft());
    }

    void PlaceAgain()
    {
        if (m_stopped)
            return;
        if (m_hadOwner && !m_over) {
            Stop();
            return;
        }
        QPoint place;
        if (AsPut() && CentredPlace(m_window, m_over, &place) && place != m_put && MoveFrameTo(m_window, place))
            m_put = place;
    }

    QWidget& m_window;
    QPointer<const QWidget> m_over;
    const bool m_hadOwner;
    QPoint m_put;
    const QSize m_size;
    bool m_stopped = false;
};

} // namespace

void KeepCentred(QWidget& window, const QWidget* over)
{
    QPoint place;
    if (!CentredPlace(window, over, &place))
        return;
    if (auto* earlier = static_cast<Keeper*>(window.findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly)))
        earlier->Stop();
    // Where the desktop has told no frame (yet), the toolkit's idea of it is all there is.
    if (!MoveFrameTo(window, place))
        window.move(place);
    new Keeper(window, over, place);
}

} // namespace platform::ui::detail
