// The archive over a memory file: integers as Windows lays them out, and reads that run short.
#include "platform/Archive.h"

#include <gtest/gtest.h>

TEST(Archive, IntegersAreStoredLittleEndianAndLoadInTheirOrder)
{
    std::vector<BYTE> bytes;
    CArchive out(bytes, CArchive::store);
    EXPECT_TRUE(out.IsStoring());
    out << 4 << 0x01020304 << -2;
    EXPECT_EQ(bytes, (std::vector<BYTE>{4, 0, 0, 0, 4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF}));

    CArchive in(bytes, CArchive::load);
    EXPECT_TRUE(in.IsLoading());
    std::int32_t a = 0, b = 0, c = 0;
    in >> a >> b;
    EXPECT_FALSE(in.AtEnd());
    in >> c;
    EXPECT_EQ((std::vector<std::int32_t>{a, b, c}), (std::vector<std::int32_t>{4, 0x01020304, -2}));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_FALSE(in.Failed());
}

TEST(Archive, AReadPastTheEndGivesZeroAndFailsForGood)
{
    std::vector<BYTE> bytes = {7, 0, 0, 0, 9, 0};
    CArchive in(bytes, CArchive::load);
    std::int32_t first = 0, second = -1, third = -1;
    in >> first >> second;
    EXPECT_EQ(first, 7);
    EXPECT_EQ(second, 0) << "two bytes are no integer";
    EXPECT_TRUE(in.Failed());
    bytes.insert(bytes.end(), {0, 0});
    in >> third;
    EXPECT_EQ(third, 0) << "a failed archive reads nothing more";
    EXPECT_TRUE(in.Failed());
}
