// The program's state of the user is found as the desktop's rules have it, and kept private:
// others who may write into it could put records there that are not the user's.
#include "platform/Folders.h"
#include "support/EnvironmentVariable.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using platform::UserStateFolder;

TEST(UserStateFolder, IsMadePrivateAndRefusedWhereOthersMayWrite)
{
    const TempFolder folder;
    const ScopedEnvironmentVariable stateHome("XDG_STATE_HOME", folder.File("state"));
    const fs::path program = folder.File("state/rorovavozir");
    ASSERT_EQ(UserStateFolder("records"), (program / "records").string());
    for (const fs::path& opened : {program, program / "records"}) {
        EXPECT_EQ(fs::status(opened).permissions(), fs::perms::owner_all) << opened;
        fs::permissions(opened, fs::perms::group_write, fs::perm_options::add);
        EXPECT_EQ(UserStateFolder("records"), "") << opened;
        fs::permissions(opened, fs::perms::group_write, fs::perm_options::remove);
    }
}

// A state home that is no absolute path is passed over for the home's.
TEST(UserStateFolder, IsUnderTheHomeWithoutAnAbsoluteStateHome)
{
    const TempFolder folder;
    const ScopedEnvironmentVariable stateHome("XDG_STATE_HOME", "relative"), home("HOME", folder.File("home"));
    EXPECT_EQ(UserStateFolder("records"), folder.File("home/.local/state/rorovavozir/records"));
    EXPECT_FALSE(fs::exists(folder.File("relative")));
}
