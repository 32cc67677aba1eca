#pragma once
// The CRC-32 of the zip format (reflected polynomial 0xEDB88320).

#include "platform/WinTypes.h"

#include <cstddef>

namespace zip {

// One table step on a raw register, without the inversions: the cipher's keys use it.
DWORD Crc32Step(DWORD register_, BYTE byte);

// Carries a CRC over more bytes; a new CRC starts at 0.
DWORD Crc32(DWORD crc, const BYTE* data, std::size_t length);

// The same by tables alone, as on a processor that cannot multiply carry-less.
DWORD Crc32Portable(DWORD crc, const BYTE* data, std::size_t length);

} // namespace zip
