#pragma once
// The desktops of the screen tests, which CMake names in RV_TEST_DESKTOP: "two-screens", a
// primary 1600 x 1000 screen with a 1280 x 1024 one to its right (TwoScreens.json, through the
// offscreen platform), and "openbox-1600x1000", that primary screen alone on an X server under
// openbox (UnderOpenbox.sh), or under another window manager ("icewm-1600x1000",
// UnderWindowManager.sh). Other runs skip these tests.

#include <cstdlib>
#include <gtest/gtest.h>
#include <string_view>

inline std::string_view TestDesktop()
{
    const char* desktop = std::getenv("RV_TEST_DESKTOP");
    return desktop ? desktop : "";
}

// An X server of one 1600 x 1000 screen under a window manager.
inline bool OnAWindowManagersScreen()
{
    return TestDesktop().ends_with("-1600x1000") && TestDesktop() != "weston-1600x1000";
}

// A primary screen of 1600 x 1000 at the desktop's origin.
#define SKIP_UNLESS_ON_A_1600_BY_1000_SCREEN()                                                                         \
    if (TestDesktop() != "two-screens" && !OnAWindowManagersScreen())                                                  \
    GTEST_SKIP() << "runs on a 1600 x 1000 screen"

#define SKIP_UNLESS_ON_TWO_SCREENS()                                                                                   \
    if (TestDesktop() != "two-screens")                                                                                \
    GTEST_SKIP() << "runs on the two-screen desktop"
