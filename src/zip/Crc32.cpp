#include "zip/Crc32.h"

#include <array>

namespace zip {
namespace {

constexpr std::array<DWORD, 256> MakeTable()
{
    std::array<DWORD, 256> table {};
    for (DWORD n = 0; n < 256; ++n) {
        DWORD c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<DWORD, 256> kTable = MakeTable();

} // namespace

DWORD Crc32Step(DWORD register_, BYTE byte)
{
    return kTable[(register_ ^ byte) & 0xFF] ^ (register_ >> 8);
}

DWORD Crc32(DWORD crc, const BYTE* data, std::size_t length)
{
    DWORD c = ~crc;
    for (std::size_t i = 0; i < length; ++i)
        c = kTable[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return ~c;
}

} // namespace zip
