// Our CRC-32 against zlib's, over every length and start position the eight-byte table steps
// and the sixteen-byte folds meet, on both the folding and the table-only way.
#include "ZlibReference.h"
#include "zip/Crc32.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

using CrcFunction = DWORD (*)(DWORD, const BYTE*, std::size_t);

std::string RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string data(size, '\0');
    for (char& ch : data)
        ch = static_cast<char>(random() & 0xFF);
    return data;
}

DWORD Of(CrcFunction crc, std::string_view data, DWORD start = 0)
{
    return crc(start, reinterpret_cast<const BYTE*>(data.data()), data.size());
}

class ZipCrc32 : public testing::TestWithParam<CrcFunction> {};

TEST_P(ZipCrc32, AgreesWithZlibForEveryLengthAndAlignment)
{
    const std::string data = RandomBytes(400, 7);
    for (size_t start = 0; start < 17; ++start)
        for (size_t length = 0; length + start <= 300; ++length) {
            const std::string piece = data.substr(start, length);
            ASSERT_EQ(Of(GetParam(), piece), zlibref::Crc32(piece)) << "start " << start << " length " << length;
        }
}

TEST_P(ZipCrc32, CarriesOverPiecesAndLongInputs)
{
    const std::string data = RandomBytes(1 << 20, 11);
    EXPECT_EQ(Of(GetParam(), data), zlibref::Crc32(data));
    // Uneven pieces, as a source read in chunks gives them.
    for (size_t piece : {13u, 100u, 32768u}) {
        DWORD carried = 0;
        for (size_t at = 0; at < data.size(); at += piece)
            carried = Of(GetParam(), std::string_view(data).substr(at, piece), carried);
        EXPECT_EQ(carried, zlibref::Crc32(data)) << "pieces of " << piece;
    }
    // Runs of one byte are what the generated parts are full of.
    const std::string zeros(100000, '\0');
    const std::string ones(100001, '\xFF');
    EXPECT_EQ(Of(GetParam(), zeros), zlibref::Crc32(zeros));
    EXPECT_EQ(Of(GetParam(), ones), zlibref::Crc32(ones));
}

INSTANTIATE_TEST_SUITE_P(Ways, ZipCrc32, testing::Values(&zip::Crc32, &zip::Crc32Portable),
                         [](const testing::TestParamInfo<CrcFunction>& way) {
                             return way.index == 0 ? std::string("Fastest") : std::string("TablesOnly");
                         });

} // namespace
