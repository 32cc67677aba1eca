// A part that would pass the most bytes it may hold is stopped before it does, and cut back to
// what it held when opened: nothing a .docx cannot take is written out.
#include "docx/PartWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;

} // namespace

TEST(PartWriter, APartThatWouldPassItsMostBytesStopsThereAndIsCutBackToItsHead)
{
    struct Case {
        const char* why;
        std::uint64_t head;       // the part's size when opened
        std::uint64_t maxBytes;
        std::uint64_t chunks;     // of one MiB each
        bool tooLarge;
    };
    const Case cases[] = {
        {"within the bound", 4, 3 * kMiB, 2, false},
        {"up to the byte", kMiB, 3 * kMiB, 2, false},
        {"a byte past", kMiB + 1, 3 * kMiB, 2, true},
        {"past it after a chunk was written", 4, 3 * kMiB, 5, true},
        // What a .docx holds, against a sparse head that takes no room on the disk.
        {"the zip records' 32 bits", kFourGiB - kMiB, kFourGiB - 1, 2, true},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string path = folder.File("document.xml");
        folder.Write("document.xml", "<a/>");
        fs::resize_file(path, c.head);
        docx::PartWriter part(path, c.maxBytes);
        for (std::uint64_t chunk = 0; chunk < c.chunks; ++chunk) {
            part.Add(std::string(kMiB, 'x'));
            part.FlushIfFull();
        }
        EXPECT_EQ(part.Stopped(), c.tooLarge) << c.why;
        EXPECT_EQ(part.Finish(), !c.tooLarge) << c.why;
        EXPECT_EQ(part.TooLarge(), c.tooLarge) << c.why;
        EXPECT_EQ(fs::file_size(path), c.tooLarge ? c.head : c.head + c.chunks * kMiB) << c.why;
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        if (c.tooLarge) {
            EXPECT_LT(static_cast<std::uint64_t>(info.st_blocks) * 512, 2 * kMiB) << c.why;
        }
    }
}
