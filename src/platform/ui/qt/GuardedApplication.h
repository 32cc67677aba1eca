#pragma once
// The program's application object. A handler that lets a failure out of an event (no memory
// for what it was doing, a system error, a fault) ends that event's work, not the program: the
// user is told, and the event loop goes on.

#include <QApplication>

#include <exception>

namespace platform::ui {

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

// Tells the user that the work a failure ended is not done; with no memory left even for that,
// nothing more.
void TellUnfinished(const std::exception& failure) noexcept;

// The same guard for a handler the toolkit runs on one of its signals outside any event's
// delivery, as when it hands the focus or the activation on: what the handler lets out would
// otherwise leave the event loop, and the program with it.
template <class Handler>
auto Guarded(Handler handler)
{
    return [handler](auto... arguments) {
        try {
            handler(arguments...);
        } catch (const std::exception& failure) {
            TellUnfinished(failure);
        }
    };
}

} // namespace platform::ui
