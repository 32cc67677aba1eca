// The shell's show-in-folder request: its file address and its test hook.
#include "platform/Shell.h"

#include <gtest/gtest.h>

TEST(Shell, FileAddressesEscapeEverythingButPlainCharacters)
{
    EXPECT_EQ(platform::FileUri("/home/me/my_diary.docx"), "file:///home/me/my_diary.docx");
    EXPECT_EQ(platform::FileUri("/a b/日记#1.docx"), "file:///a%20b/%E6%97%A5%E8%AE%B0%231.docx");
}

TEST(Shell, ShowInFolderGoesToItsRecorder)
{
    std::string shown;
    platform::SetShowInFolderRecorder([&](const std::string& file) {
        shown = file;
        return true;
    });
    EXPECT_TRUE(platform::ShellShowInFolder("/out/my_diary.docx"));
    platform::SetShowInFolderRecorder(nullptr);
    EXPECT_EQ(shown, "/out/my_diary.docx");
}
