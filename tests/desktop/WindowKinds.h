#pragma once
// The kinds of window the program shows under a desktop, each held on the screen while a test
// acts on it: the main window (with a minimise box), a dialog of the program's templates over
// it, and the message box and colour dialog, modal over it.
#include <functional>
#include <ostream>
#include <vector>

class QWidget;

using WindowAction = std::function<void(QWidget* window)>;

struct WindowKind {
    const char* name;
    std::function<void(const WindowAction& act)> show;
};

const std::vector<WindowKind>& EveryKindOfWindow();

void PrintTo(const WindowKind& kind, std::ostream* out);
