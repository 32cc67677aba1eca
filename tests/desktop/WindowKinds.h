#pragma once
// The kinds of window the program shows under a desktop, each held on the screen while a test
// acts on it: the main window (with a minimise box), a dialog of the program's templates over
// it, modeless or modal, and the message box and colour dialog, modal over it.
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

class QWidget;

using WindowAction = std::function<void(QWidget* window)>;

struct WindowKind {
    const char* name;
    bool minimiseBox;
    bool modal;
    std::function<void(const WindowAction& act)> show;
};

const std::vector<WindowKind>& EveryKindOfWindow();

// Those the user may not minimise: they have no minimise box of the program's own.
std::vector<WindowKind> KindsWithoutAMinimiseBox();

// The modal ones, which disable their owner: a dialog of the program's templates, the message box
// and the colour dialog.
std::vector<WindowKind> ModalKinds();

// Every kind, and a dialog of the program's templates run modally.
std::vector<WindowKind> EveryKindAndTheModalDialog();

void PrintTo(const WindowKind& kind, std::ostream* out);

// Names each case of a test over kinds after its kind.
struct KindName {
    std::string operator()(const ::testing::TestParamInfo<WindowKind>& info) const { return info.param.name; }
};
