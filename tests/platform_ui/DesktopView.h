#pragma once
// What the desktop reads of a window opened for an owner. On an X server those are the window
// manager's own properties; elsewhere the toolkit's ties, which the compositor is given.

class QWidget;

struct DesktopView {
    bool transientForOwner = false;
    bool modal = false;
    // Still above the owner after the owner was raised and activated, as one click on it does.
    bool keptAboveOwner = false;
};

DesktopView AsTheDesktopSees(QWidget& window, QWidget& owner);
