#pragma once
// The desktop of the screen tests: a primary 1600 x 1000 screen with a 1280 x 1024 one to its
// right (TwoScreens.json), which CMake hands those tests through the offscreen platform. Other
// runs skip them.

#include <cstdlib>
#include <gtest/gtest.h>
#include <string_view>

inline bool OnTwoScreens()
{
    const char* desktop = std::getenv("RV_TEST_DESKTOP");
    return desktop && std::string_view(desktop) == "two-screens";
}

#define SKIP_UNLESS_ON_TWO_SCREENS()                                                                                   \
    if (!OnTwoScreens())                                                                                               \
    GTEST_SKIP() << "runs on the two-screen desktop"
