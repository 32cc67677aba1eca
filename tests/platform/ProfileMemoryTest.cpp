// The memory reading a profile file takes, measured as the process's resident memory: it grows
// with the file, whatever its shape, and a big file is let go once other files are read.
#include "platform/Profile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <malloc.h>

namespace {

// The sanitizers' allocator keeps freed memory and pads every block: nothing to measure.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasurable = false;
#else
constexpr bool kMeasurable = true;
#endif

size_t StatusBytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stoul(line.substr(field.size() + 1)) * 1024;
    return 0;
}

// Resident memory now, after free memory went back to the system.
size_t Resident()
{
    ::malloc_trim(0);
    return StatusBytes("VmRSS");
}

// Restarts the peak (VmHWM) from the resident memory now.
bool ResetPeak()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return clear.good();
}

std::string Repeat(const std::string& piece, size_t bytes)
{
    std::string text;
    while (text.size() + piece.size() <= bytes)
        text += piece;
    return text;
}

std::string LongSectionName(size_t nameBytes, int keys)
{
    std::string text = "[" + std::string(nameBytes, 'S') + "]\n";
    for (int i = 0; i < keys; ++i)
        text += "k" + std::to_string(i) + "=v\n";
    return text;
}

} // namespace

TEST(ProfileMemory, ReadingAFileTakesMemoryInProportionToIt)
{
    if (!kMeasurable || !ResetPeak())
        GTEST_SKIP() << "no memory measure here";
    TempFolder folder;
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        // The index once copied the section name for every key: 256 MB here.
        {"a 64 KiB section name over 4000 keys", LongSectionName(64 << 10, 4000)},
        {"short keys", "[Main]\n" + Repeat("k=v\n", 1 << 20)},
        {"short sections", Repeat("[s]\n", 1 << 20)},
        {"line ends only", std::string(1 << 20, '\n')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.Write("a.ini", c.bytes);
        const size_t before = Resident();
        ResetPeak();
        EXPECT_EQ(platform::GetPrivateProfileString("Main", "k", "none", 16, folder.File("a.ini")).size() > 0, true);
        const size_t growth = StatusBytes("VmHWM") - before;
        EXPECT_LT(growth, 16 * c.bytes.size()) << growth << " bytes for a file of " << c.bytes.size();
    }
}

TEST(ProfileMemory, ABigFileIsLetGoOnceOtherFilesAreRead)
{
    if (!kMeasurable)
        GTEST_SKIP() << "no memory measure here";
    TempFolder folder;
    folder.Write("big.ini", "[Main]\n" + Repeat("k=v\n", 3 << 20));
    folder.Write("small.ini", "[Main]\nk=small\n");
    folder.Write("other.ini", "[Main]\nk=other\n");
    // What earlier reads left in the cache goes first.
    EXPECT_EQ(platform::GetPrivateProfileString("Main", "k", "", 16, folder.File("other.ini")), "other");
    const size_t before = Resident();
    EXPECT_EQ(platform::GetPrivateProfileString("Main", "k", "", 16, folder.File("big.ini")), "v");
    EXPECT_GT(Resident(), before + (3u << 20)) << "the big file is held while it is the one in use";
    EXPECT_EQ(platform::GetPrivateProfileString("Main", "k", "", 16, folder.File("small.ini")), "small");
    EXPECT_EQ(platform::GetPrivateProfileString("Main", "k", "", 16, folder.File("other.ini")), "other");
    EXPECT_LT(Resident(), before + (1u << 20));
}
