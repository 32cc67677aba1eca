#pragma once
// Tables that follow from the deflate format alone, built once at compile time: which code a
// match length or distance takes, the base value of each code, and the static trees.

#include "platform/WinTypes.h"
#include "zip/ZipFormat.h"

#include <array>
#include <cstddef>

namespace zip {

// A code as it is sent: bit-reversed, because deflate sends Huffman codes high bit first
// through a writer that fills bytes from the low bit.
struct DeflateCode {
    WORD code;
    WORD length;
};

constexpr unsigned ReverseBits(unsigned code, int length)
{
    unsigned reversed = 0;
    for (int i = 0; i < length; ++i, code >>= 1)
        reversed = (reversed << 1) | (code & 1);
    return reversed;
}

// Gives each symbol up to maxCode with a nonzero length its canonical code (RFC 1951).
// lengthCounts[n] is the number of symbols of length n. False when the lengths do not fill
// the code space exactly.
constexpr bool AssignCanonicalCodes(DeflateCode* codes, int maxCode, const std::array<unsigned, 16>& lengthCounts)
{
    std::array<unsigned, 16> next {};
    unsigned code = 0;
    for (int bits = 1; bits <= zipformat::kMaxCodeLength; ++bits) {
        code = (code + lengthCounts[static_cast<std::size_t>(bits - 1)]) << 1;
        next[static_cast<std::size_t>(bits)] = code;
    }
    for (int n = 0; n <= maxCode; ++n) {
        const int length = codes[n].length;
        if (length != 0)
            codes[n].code = static_cast<WORD>(ReverseBits(next[static_cast<std::size_t>(length)]++, length));
    }
    return code + lengthCounts[zipformat::kMaxCodeLength] - 1 == (1u << zipformat::kMaxCodeLength) - 1;
}

struct DeflateTables {
    std::array<BYTE, 256> lengthCode {};      // match length - 3 -> length code - 257
    std::array<BYTE, 512> distanceCode {};    // see DistanceCode
    std::array<unsigned, zipformat::kLengthCodes> baseLength {};
    std::array<unsigned, zipformat::kDistanceCodes> baseDistance {};
    std::array<DeflateCode, zipformat::kStaticLiteralCodes> staticLiteral {};
    std::array<DeflateCode, zipformat::kDistanceCodes> staticDistance {};
    // What the compile-time checks below look at.
    unsigned lengthsCovered = 0;
    unsigned distancesCovered = 0;
    unsigned farDistancesCovered = 0;
    bool staticLiteralConsistent = false;
};

constexpr DeflateTables MakeDeflateTables()
{
    using namespace zipformat;
    DeflateTables t;
    unsigned length = 0;
    int code = 0;
    for (; code < kLengthCodes - 1; ++code) {
        t.baseLength[static_cast<std::size_t>(code)] = length;
        for (unsigned n = 0; n < (1u << kLengthExtraBits[static_cast<std::size_t>(code)]); ++n)
            t.lengthCode[length++] = static_cast<BYTE>(code);
    }
    t.lengthsCovered = length;
    // Length 258 could also be sent as code 284 with extra bits 31; the format gives it a code of its own.
    t.lengthCode[length - 1] = static_cast<BYTE>(code);

    unsigned distance = 0;
    for (code = 0; code < 16; ++code) {
        t.baseDistance[static_cast<std::size_t>(code)] = distance;
        for (unsigned n = 0; n < (1u << kDistanceExtraBits[static_cast<std::size_t>(code)]); ++n)
            t.distanceCode[distance++] = static_cast<BYTE>(code);
    }
    t.distancesCovered = distance;
    distance >>= 7;
    for (; code < kDistanceCodes; ++code) {
        t.baseDistance[static_cast<std::size_t>(code)] = distance << 7;
        for (unsigned n = 0; n < (1u << (kDistanceExtraBits[static_cast<std::size_t>(code)] - 7)); ++n)
            t.distanceCode[256 + distance++] = static_cast<BYTE>(code);
    }
    t.farDistancesCovered = distance;

    std::array<unsigned, 16> counts {};
    for (int n = 0; n < kStaticLiteralCodes; ++n) {
        const WORD bits = n <= 143 ? 8 : n <= 255 ? 9 : n <= 279 ? 7 : 8;
        t.staticLiteral[static_cast<std::size_t>(n)].length = bits;
        ++counts[bits];
    }
    t.staticLiteralConsistent = AssignCanonicalCodes(t.staticLiteral.data(), kStaticLiteralCodes - 1, counts);
    // Thirty five-bit codes leave two codes of the space unused, so the canonical codes are
    // simply the symbols themselves.
    for (int n = 0; n < kDistanceCodes; ++n)
        t.staticDistance[static_cast<std::size_t>(n)] = {static_cast<WORD>(ReverseBits(static_cast<unsigned>(n), 5)), 5};
    return t;
}

inline constexpr DeflateTables kDeflateTables = MakeDeflateTables();

static_assert(kDeflateTables.lengthsCovered == 256, "ct_init: length != 256");
static_assert(kDeflateTables.distancesCovered == 256, "ct_init: dist != 256");
static_assert(kDeflateTables.farDistancesCovered == 256, "ct_init: 256+dist != 512");
static_assert(kDeflateTables.staticLiteralConsistent, "inconsistent bit counts");

// The code of a distance - 1: the first 256 distances directly, the farther ones by 128s.
inline unsigned DistanceCode(unsigned distanceMinusOne)
{
    return distanceMinusOne < 256 ? kDeflateTables.distanceCode[distanceMinusOne]
                                  : kDeflateTables.distanceCode[256 + (distanceMinusOne >> 7)];
}

} // namespace zip
