#pragma once
// CRC-32 by carry-less multiplication, for the long inputs of the document parts: sixteen
// bytes are folded into the running remainder at a time instead of being looked up byte by byte.

#include "platform/WinTypes.h"

#include <cstddef>

namespace zip {

// The longest multiple of 16 bytes at the start of the data (at least 64 are needed) is folded,
// with the raw register mixed in, into 16 bytes that leave the same remainder. Returns how
// many bytes were folded, 0 when the processor cannot multiply carry-less or the data is short.
std::size_t FoldCrc32(DWORD register_, const BYTE* data, std::size_t length, BYTE folded[16]);

} // namespace zip
