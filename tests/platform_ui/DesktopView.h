#pragma once
// What the desktop reads of the program's windows. On an X server (tests run under
// UnderOpenbox.sh) those are the window manager's properties, as xprop prints them; elsewhere
// the toolkit's ties, which the compositor is given.

#include <functional>
#include <string>
#include <vector>

class CWnd;
class QWidget;
class QWindow;

// xprop's lines for the properties named (blank-separated), of the root window when none is given.
std::string XProperties(const QWindow* window, const std::string& names);

// The window ids a property of windows lists, in its order.
std::vector<unsigned long> XWindowList(const std::string& printed);

// A modal window and its owner while the window is up.
struct DesktopView {
    bool shown = false;
    bool ownerEnabled = true;
    bool transientForOwner = false;
    bool modal = false;
    // Still above the owner after the owner was raised and activated, as one click on it does.
    bool keptAboveOwner = false;
};

// Runs `open`, which runs a modal window over the owner; once that window is up, hands it to
// `meanwhile`, then sees it as the desktop does and closes it.
DesktopView WhileModalOver(CWnd& owner, const std::function<void()>& open,
                           const std::function<void(QWidget& modal)>& meanwhile = {});
