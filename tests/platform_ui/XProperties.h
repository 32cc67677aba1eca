#pragma once
// What a window manager and the desktop's panels read of the windows on an X server, as xprop
// prints it; for tests run under UnderOpenbox.sh.

#include <string>
#include <vector>

class QWindow;

// xprop's lines for the properties named (blank-separated) of the window, or of the root window
// when none is given.
std::string XProperties(const QWindow* window, const std::string& names);

// The window ids a property of windows lists, in its order.
std::vector<unsigned long> XWindowList(const std::string& printed);

// Asks the window manager as a panel or a title bar does: a client message of that type about
// the window, sent to the root window.
void AskWindowManager(const QWindow& window, const char* type, const std::vector<unsigned>& data);
