// Binary profile values: written as hexadecimal digits, read back only when well formed.
#include "platform/Profile.h"
#include "platform/ProfileBinary.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

TEST(ProfileBinary, BytesRoundTripAsHexadecimalText)
{
    TempFolder folder;
    const std::string file = folder.File("app.ini");
    const std::vector<unsigned char> bytes = {0x00, 0x0F, 0xA5, 0xFF};
    ASSERT_TRUE(platform::WriteProfileBinary("ListCtrls", "1207", bytes, file));
    EXPECT_EQ(platform::GetPrivateProfileString("ListCtrls", "1207", "", 64, file), "000FA5FF");
    EXPECT_EQ(platform::GetProfileBinary("ListCtrls", "1207", file), bytes);
}

TEST(ProfileBinary, MissingOrMalformedValuesReadAsNone)
{
    TempFolder folder;
    const std::string file = folder.File("app.ini");
    for (const char* text : {"", "ABC", "0G", "zz"}) {
        ASSERT_TRUE(platform::WritePrivateProfileString("S", "k", text, file));
        EXPECT_FALSE(platform::GetProfileBinary("S", "k", file).has_value()) << text;
    }
    EXPECT_FALSE(platform::GetProfileBinary("S", "none", file).has_value());
}
