#include "zip/Crc32.h"

#include "zip/Crc32Folding.h"

#include <array>

namespace zip {
namespace {

using Table = std::array<DWORD, 256>;

// Eight tables let the loop take eight bytes per step: table k advances a byte by k more
// places, so the eight lookups of one step are independent of each other.
constexpr std::array<Table, 8> MakeTables()
{
    std::array<Table, 8> tables {};
    for (DWORD n = 0; n < 256; ++n) {
        DWORD c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (size_t k = 1; k < 8; ++k)
        for (DWORD n = 0; n < 256; ++n)
            tables[k][n] = (tables[k - 1][n] >> 8) ^ tables[0][tables[k - 1][n] & 0xFF];
    return tables;
}

constexpr std::array<Table, 8> kTables = MakeTables();

DWORD LittleEndian32(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

// The register carried over the bytes, without the inversions.
DWORD CarryRegister(DWORD c, const BYTE* data, std::size_t length)
{
    std::size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        const DWORD low = LittleEndian32(data + i) ^ c;
        const DWORD high = LittleEndian32(data + i + 4);
        c = kTables[7][low & 0xFF] ^ kTables[6][(low >> 8) & 0xFF] ^ kTables[5][(low >> 16) & 0xFF] ^
            kTables[4][low >> 24] ^ kTables[3][high & 0xFF] ^ kTables[2][(high >> 8) & 0xFF] ^
            kTables[1][(high >> 16) & 0xFF] ^ kTables[0][high >> 24];
    }
    for (; i < length; ++i)
        c = kTables[0][(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c;
}

} // namespace

DWORD Crc32Step(DWORD register_, BYTE byte)
{
    return kTables[0][(register_ ^ byte) & 0xFF] ^ (register_ >> 8);
}

DWORD Crc32Portable(DWORD crc, const BYTE* data, std::size_t length)
{
    return ~CarryRegister(~crc, data, length);
}

// The folded block stands for all the bytes before it, so the tables finish from a clear register.
DWORD Crc32(DWORD crc, const BYTE* data, std::size_t length)
{
    BYTE folded[16];
    const std::size_t done = FoldCrc32(~crc, data, length, folded);
    if (done == 0)
        return Crc32Portable(crc, data, length);
    return ~CarryRegister(CarryRegister(0, folded, sizeof folded), data + done, length - done);
}

} // namespace zip
