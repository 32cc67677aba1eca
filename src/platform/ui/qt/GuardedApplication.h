#pragma once
// The program's application object. A handler that lets a failure out of an event (no memory
// for what it was doing, a system error, a fault) ends that event's work, not the program: the
// user is told, and the event loop goes on.

#include <QApplication>

namespace platform::ui {

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace platform::ui
