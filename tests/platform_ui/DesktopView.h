#pragma once
// What the desktop reads of the program's windows: on an X server (under UnderOpenbox.sh) the
// window manager's properties, as xprop prints them; elsewhere the toolkit's ties.

#include <QMargins>
#include <QRect>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CWnd;
class QWidget;
class QWindow;

// xprop's lines for the properties named (blank-separated), of the root window without a window.
std::string XProperties(const QWindow* window, const std::string& names);

// The window ids a property of windows lists, in its order.
std::vector<unsigned long> XWindowList(const std::string& printed);

// Where the window's client area really is on the screen, as the X server says (xwininfo).
QRect XPlace(const QWindow& window);

// The title bar and frame the window manager put around the window's client area, as it tells
// the X server (_NET_FRAME_EXTENTS); nullopt before it says.
std::optional<QMargins> XFrameExtents(const QWindow& window);

// The part of the screen the window manager leaves to windows (_NET_WORKAREA, of the first
// desktop); nullopt where it tells none.
std::optional<QRect> XWorkArea();

// Tells the program another work area, as a window manager does when a panel comes or goes
// (_NET_WORKAREA); the one before comes back when it goes.
class ChangedXWorkArea {
public:
    explicit ChangedXWorkArea(const QRect& area);
    ~ChangedXWorkArea();
    ChangedXWorkArea(const ChangedXWorkArea&) = delete;
    ChangedXWorkArea& operator=(const ChangedXWorkArea&) = delete;

private:
    std::string m_before;   // its numbers as xprop prints them; empty while there was none
};

// The window the X server gives the keys to (its input focus, which a grab does not move); 0
// for none.
std::uint32_t XKeyboardFocus();

// Returns once the window manager has handled what the program asked of it so far (it handles
// requests in order, and answers this one visibly); false when it did not answer.
bool WindowManagerCaughtUp();

// Sends the window manager a request about the window, as a panel or a pager does: the message
// type and its five numbers.
void AskWindowManager(const QWindow& window, const char* message, const std::array<std::uint32_t, 5>& data);
// The same about a window of any program, by its X id.
void AskWindowManager(std::uint32_t window, const char* message, const std::array<std::uint32_t, 5>& data);

struct DesktopView {
    bool shown = false;
    bool ownerEnabled = true;
    bool transientForOwner = false;
    bool modal = false;
    // Still above the owner after the owner was raised and activated, as one click on it does.
    bool keptAboveOwner = false;
};

// Runs `open`, which runs a modal window over the owner; once that is up, hands it to `meanwhile`,
// then sees it as the desktop does and closes it.
DesktopView WhileModalOver(CWnd& owner, const std::function<void()>& open,
                           const std::function<void(QWidget& modal)>& meanwhile = {});
