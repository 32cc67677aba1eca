// Our CRC-32 against zlib's, over every length and start position the eight-byte steps meet.
#include "ZlibReference.h"
#include "zip/Crc32.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

TEST(ZipCrc32, AgreesWithZlibForEveryLengthAndAlignment)
{
    std::mt19937 random(7);
    std::string data(300, '\0');
    for (char& ch : data)
        ch = static_cast<char>(random() & 0xFF);
    for (size_t start = 0; start < 9; ++start)
        for (size_t length = 0; length + start <= 120; ++length) {
            const std::string piece = data.substr(start, length);
            ASSERT_EQ(zip::Crc32(0, reinterpret_cast<const BYTE*>(piece.data()), piece.size()),
                      zlibref::Crc32(piece))
                << "start " << start << " length " << length;
        }
    // Carried over pieces of uneven length, as a source read in chunks gives it.
    DWORD carried = 0;
    for (size_t at = 0; at < data.size(); at += 13)
        carried = zip::Crc32(carried, reinterpret_cast<const BYTE*>(data.data()) + at, std::min<size_t>(13, data.size() - at));
    EXPECT_EQ(carried, zlibref::Crc32(data));
}
