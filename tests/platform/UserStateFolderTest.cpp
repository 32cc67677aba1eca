// The program's state of the user is found as the desktop's rules have it, made private, and
// refused where it is not the user's alone.
#include "platform/Folders.h"
#include "support/EnvironmentVariable.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;
using platform::UserStateFolder;

TEST(UserStateFolder, IsFoundFromTheStateHomeOrTheHomeAndMadePrivate)
{
    const TempFolder folder;
    const std::string state = folder.File("state");
    const std::string home = folder.File("home");
    const struct {
        std::optional<std::string> stateHome;
        std::optional<std::string> home;
        std::string expected;
    } cases[] = {
        {state, home, state + "/rorovavozir/records"},
        {state + "/", std::nullopt, state + "/rorovavozir/records"},
        {std::nullopt, home, home + "/.local/state/rorovavozir/records"},
        {"", home, home + "/.local/state/rorovavozir/records"},
        {"relative", home, home + "/.local/state/rorovavozir/records"},
        {std::nullopt, std::nullopt, ""},
        {"relative", "relative-home", ""},
    };
    for (const auto& c : cases) {
        const ScopedEnvironmentVariable stateHome("XDG_STATE_HOME", c.stateHome);
        const ScopedEnvironmentVariable homeVariable("HOME", c.home);
        const std::string found = UserStateFolder("records");
        EXPECT_EQ(fs::path(found).lexically_normal(), fs::path(c.expected).lexically_normal())
            << c.stateHome.value_or("(unset)") << " " << c.home.value_or("(unset)");
        if (!found.empty()) {
            EXPECT_EQ(fs::status(found).permissions(), fs::perms::owner_all);
            EXPECT_EQ(fs::status(fs::path(found).parent_path()).permissions(), fs::perms::owner_all);
        }
    }
    EXPECT_FALSE(fs::exists(folder.File("relative")));
}

// Others who may write into the program's state could put records there that are not the user's.
TEST(UserStateFolder, IsRefusedWhereOthersMayWrite)
{
    const TempFolder folder;
    const ScopedEnvironmentVariable stateHome("XDG_STATE_HOME", folder.File("state"));
    const fs::path program = folder.File("state/rorovavozir");
    for (const fs::path& opened : {program, program / "records"}) {
        fs::create_directories(program / "records");
        fs::permissions(opened, fs::perms::group_write, fs::perm_options::add);
        EXPECT_EQ(UserStateFolder("records"), "") << opened;
        fs::permissions(opened, fs::perms::group_write, fs::perm_options::remove);
        EXPECT_EQ(UserStateFolder("records"), (program / "records").string()) << opened;
    }
    fs::remove_all(program);
    folder.Write("state/rorovavozir", "a file");
    EXPECT_EQ(UserStateFolder("records"), "");
}
