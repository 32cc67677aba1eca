#include "zip/Crc32Folding.h"

#include <cstdint>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace zip {
namespace {

// x^n modulo the CRC polynomial, in the plain bit order (bit d = coefficient of x^d).
constexpr std::uint64_t PowerOfXModPolynomial(unsigned n)
{
    constexpr std::uint64_t polynomial = 0x104C11DB7;
    std::uint64_t remainder = 1;
    for (unsigned i = 0; i < n; ++i) {
        remainder <<= 1;
        if (remainder & (std::uint64_t{1} << 32))
            remainder ^= polynomial;
    }
    return remainder;
}

// The reflected register holds x^(63 - j) in bit j.
constexpr std::uint64_t Reflect64(std::uint64_t value)
{
    std::uint64_t reflected = 0;
    for (int bit = 0; bit < 64; ++bit)
        if (value & (std::uint64_t{1} << bit))
            reflected |= std::uint64_t{1} << (63 - bit);
    return reflected;
}

// Multipliers that move 16 bytes `distance` bits further on: the low half of a block carries
// the higher powers. A reflected product comes out one power short, hence the minus one.
struct FoldConstants {
    std::uint64_t low, high;
};

constexpr FoldConstants ConstantsFor(unsigned distance)
{
    return {Reflect64(PowerOfXModPolynomial(distance + 64 - 1)), Reflect64(PowerOfXModPolynomial(distance - 1))};
}

constexpr FoldConstants kBy128 = ConstantsFor(128);
constexpr FoldConstants kBy512 = ConstantsFor(512);

__attribute__((target("pclmul,sse2"))) __m128i Fold(__m128i block, __m128i constants, __m128i next)
{
    const __m128i low = _mm_clmulepi64_si128(block, constants, 0x00);
    const __m128i high = _mm_clmulepi64_si128(block, constants, 0x11);
    return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

__attribute__((target("pclmul,sse2"))) __m128i Load(const BYTE* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

__attribute__((target("pclmul,sse2"))) __m128i Constants(const FoldConstants& k)
{
    return _mm_set_epi64x(static_cast<long long>(k.high), static_cast<long long>(k.low));
}

// Four blocks are folded side by side, 64 bytes apart, so the multiplications overlap.
__attribute__((target("pclmul,sse2"))) std::size_t FoldBlocks(DWORD register_, const BYTE* data,
                                                               std::size_t length, BYTE folded[16])
{
    __m128i x0 = _mm_xor_si128(Load(data), _mm_cvtsi32_si128(static_cast<int>(register_)));
    __m128i x1 = Load(data + 16);
    __m128i x2 = Load(data + 32);
    __m128i x3 = Load(data + 48);
    std::size_t at = 64;
    const __m128i by512 = Constants(kBy512);
    for (; at + 64 <= length; at += 64) {
        x0 = Fold(x0, by512, Load(data + at));
        x1 = Fold(x1, by512, Load(data + at + 16));
        x2 = Fold(x2, by512, Load(data + at + 32));
        x3 = Fold(x3, by512, Load(data + at + 48));
    }
    const __m128i by128 = Constants(kBy128);
    x1 = Fold(x0, by128, x1);
    x2 = Fold(x1, by128, x2);
    x3 = Fold(x2, by128, x3);
    for (; at + 16 <= length; at += 16)
        x3 = Fold(x3, by128, Load(data + at));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(folded), x3);
    return at;
}

} // namespace

std::size_t FoldCrc32(DWORD register_, const BYTE* data, std::size_t length, BYTE folded[16])
{
    static const bool available = __builtin_cpu_supports("pclmul");
    if (!available || length < 64)
        return 0;
    return FoldBlocks(register_, data, length, folded);
}

} // namespace zip

#else

namespace zip {

std::size_t FoldCrc32(DWORD, const BYTE*, std::size_t, BYTE*)
{
    return 0;
}

} // namespace zip

#endif
