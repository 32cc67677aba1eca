// One application object for every test of the window layer, drawing offscreen.
#include "platform/ui/TestHooks.h"

#include <gtest/gtest.h>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { platform::ui::EnsureApplication(); }
};

[[maybe_unused]] const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
