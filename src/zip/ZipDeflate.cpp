#include "zip/ZipDeflate.h"

#include "zip/ZipFormat.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace zip {

using namespace zipformat;

const ZipDeflateState::LevelParameters ZipDeflateState::kLevels[] = {
    {0, 0, 0, 0},          // no level 0: storing is the archive's business
    {4, 4, 8, 4},          // 1 to 3: greedy matching, short searches
    {4, 5, 16, 8},
    {4, 6, 32, 32},
    {4, 4, 16, 16},        // 4 to 8: lazy matching, ever longer searches
    {8, 16, 32, 32},
    {8, 16, 128, 128},
    {8, 32, 128, 256},
    {32, 128, 258, 1024},
};

namespace {

constexpr int kLastLevel = 8;
constexpr int kLastFastLevel = 3;

std::uint16_t Load16(const BYTE* p)
{
    std::uint16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Number of equal leading bytes, at most 256, compared eight at a time.
unsigned CommonPrefix(const BYTE* a, const BYTE* b)
{
    for (unsigned i = 0; i < 256; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y) {
            const std::uint64_t difference = x ^ y;
            const int bit = std::endian::native == std::endian::little ? std::countr_zero(difference)
                                                                       : std::countl_zero(difference);
            return i + static_cast<unsigned>(bit >> 3);
        }
    }
    return 256;
}

} // namespace

ZipDeflateState::ZipDeflateState() : m_bits(m_check), m_block(m_bits, m_check) {}

ZRESULT ZipDeflateState::Deflate(DeflateIo& io, BYTE* buffer, unsigned bufferSize, int level, WORD& flags,
                                 std::uint64_t& compressedSize)
{
    m_check.Clear();
    compressedSize = 0;
    if (level < 1 || level > kLastLevel) {
        m_check.Expect(false, "bad pack level");
        return ZIP_INTERNAL_FLATION;
    }
    if (buffer == nullptr || bufferSize < DeflateBitWriter::kSmallestBuffer)
        return ZIP_ERR_ARGS;
    m_io = &io;
    m_bits.Start(io, buffer, bufferSize);
    m_block.StartStream(level);
    StartMatching(level, flags);
    if (level <= kLastFastLevel)
        DeflateFast();
    else
        DeflateLazy();
    compressedSize = m_block.CompressedBytes();
    if (m_bits.Failed())
        return ZIP_ERR_WRITE;
    return m_check.Message() == nullptr ? ZIP_OK : ZIP_INTERNAL_FLATION;
}

void ZipDeflateState::StartMatching(int level, WORD& flags)
{
    if (level <= 2)
        flags |= kFlagFastCompression;
    else if (level >= kLastLevel)
        flags |= kFlagMaximumCompression;
    m_parameters = kLevels[level];
    m_niceMatch = m_parameters.nice;
    m_head.fill(0);
    m_strStart = 0;
    m_matchStart = 0;
    m_prevLength = kMinMatch - 1;
    m_lookahead = 0;
    m_blockStart = 0;
    m_highWater = 0;
    m_endOfInput = false;
    FillWindow();
    m_hash = m_window[0];
    m_hash = ((m_hash << kHashShift) ^ m_window[1]) & kHashMask;
}

void ZipDeflateState::Slide()
{
    constexpr unsigned half = kMaxDistanceOfFormat;
    std::memcpy(m_window.data(), m_window.data() + half, half);
    m_matchStart -= half;
    m_strStart -= half;
    m_blockStart -= half;
    // Plain loops over the tables, so the compiler makes them vector subtractions.
    for (WORD& position : m_head)
        position = static_cast<WORD>(position >= half ? position - half : 0);
    for (WORD& position : m_previous)
        position = static_cast<WORD>(position >= half ? position - half : 0);
}

void ZipDeflateState::InsertStrings(unsigned first, unsigned end)
{
    const BYTE* const window = m_window.data();
    WORD* const head = m_head.data();
    WORD* const previous = m_previous.data();
    unsigned hash = m_hash;
    for (unsigned position = first; position < end; ++position) {
        hash = ((hash << kHashShift) ^ window[position + kMinMatch - 1]) & kHashMask;
        previous[position & kWindowMask] = head[hash];
        head[hash] = static_cast<WORD>(position);
    }
    m_hash = hash;
}

// Reads until the look-ahead is enough for a longest match, or the input ends. A failed
// output ends the input too: nothing of it would be written.
void ZipDeflateState::FillWindow()
{
    do {
        unsigned more = kWindowBufferSize - m_lookahead - m_strStart;
        if (m_strStart >= kMaxDistanceOfFormat + kMaxDistance) {
            Slide();
            more += kMaxDistanceOfFormat;
        }
        if (m_endOfInput)
            return;
        m_check.Expect(more >= 2, "more < 2");
        const long n = m_bits.Failed() ? 0 : m_io->Read(m_window.data() + m_strStart + m_lookahead, more);
        if (n > 0) {
            m_lookahead += static_cast<unsigned>(n);
            m_highWater = std::max(m_highWater, m_strStart + m_lookahead);
            continue;
        }
        m_endOfInput = true;
        // A match may run past the input's end before it is cut to the look-ahead; what it
        // meets there must not depend on an earlier entry.
        const unsigned end = m_strStart + m_lookahead;
        const unsigned from = std::max(end, m_highWater);
        const unsigned to = std::min(end + kMaxMatch, kWindowBufferSize);
        if (from < to)
            std::memset(m_window.data() + from, 0, to - from);
    } while (m_lookahead < kMinLookahead && !m_endOfInput);
}

unsigned ZipDeflateState::LongestMatch(unsigned candidate)
{
    unsigned chain = m_parameters.chain;
    if (m_prevLength >= m_parameters.good)
        chain >>= 2;
    m_niceMatch = std::min(m_niceMatch, m_lookahead);
    const unsigned nice = m_niceMatch;
    const BYTE* const window = m_window.data();
    const WORD* const previous = m_previous.data();
    const unsigned start = m_strStart;
    const BYTE* const scan = window + start;
    const std::uint16_t scanStart = Load16(scan);
    unsigned best = m_prevLength;
    std::uint16_t scanEnd = Load16(scan + best - 1);
    unsigned bestStart = m_matchStart;
    const unsigned limit = start > kMaxDistance ? start - kMaxDistance : 0;
    // Chains only lead to earlier positions, so checking the head checks them all.
    m_check.Expect(candidate < start, "no future");
    do {
        const BYTE* match = window + candidate;
        // Cheap rejections first: the byte pair that would make the match longer than the
        // best, then the first two bytes (the third is equal when the hashes are).
        if (Load16(match + best - 1) != scanEnd || Load16(match) != scanStart)
            continue;
        const unsigned length = 2 + CommonPrefix(scan + 2, match + 2);
        if (length > best) {
            bestStart = candidate;
            best = length;
            if (length >= nice)
                break;
            scanEnd = Load16(scan + best - 1);
        }
    } while ((candidate = previous[candidate & kWindowMask]) > limit && --chain != 0);
    m_matchStart = bestStart;
    m_check.Expect(start <= kWindowBufferSize - kMinLookahead, "insufficient lookahead");
    m_check.Expect(start + best <= kWindowBufferSize - 1, "wild scan");
    return std::min(best, m_lookahead);
}

void ZipDeflateState::EndBlock(bool last)
{
    const BYTE* raw = m_blockStart >= 0 ? m_window.data() + m_blockStart : nullptr;
    m_block.End(raw, static_cast<unsigned long>(BlockInput()), last);
    m_blockStart = m_strStart;
}

// Levels 1 to 3: take each match as it is found.
void ZipDeflateState::DeflateFast()
{
    for (;;) {
        if (m_lookahead < kMinLookahead) {
            FillWindow();
            if (m_lookahead == 0)
                break;
        }
        const unsigned head = m_lookahead >= kMinMatch ? InsertString(m_strStart) : 0;
        unsigned length = 0;
        if (head != 0 && m_strStart - head <= kMaxDistance)
            length = LongestMatch(head);
        bool endBlock;
        if (length >= kMinMatch) {
            endBlock = m_block.TallyMatch(m_strStart - m_matchStart, length - kMinMatch, BlockInput());
            m_lookahead -= length;
            if (length <= m_parameters.lazy && m_lookahead >= kMinMatch) {
                InsertStrings(m_strStart + 1, m_strStart + length);
                m_strStart += length;
            } else {
                // Skip the strings of a long match; the hash starts again behind it.
                m_strStart += length;
                m_hash = m_window[m_strStart];
                m_hash = ((m_hash << kHashShift) ^ m_window[m_strStart + 1]) & kHashMask;
            }
        } else {
            endBlock = m_block.TallyLiteral(m_window[m_strStart], BlockInput());
            --m_lookahead;
            ++m_strStart;
        }
        if (endBlock)
            EndBlock(false);
    }
    EndBlock(true);
}

// Levels 4 to 8: a match is held back one byte, and dropped for a longer one found there.
void ZipDeflateState::DeflateLazy()
{
    unsigned length = kMinMatch - 1;
    bool pending = false;   // the byte before the current position awaits its fate
    for (;;) {
        if (m_lookahead < kMinLookahead) {
            FillWindow();
            if (m_lookahead == 0)
                break;
        }
        const unsigned head = m_lookahead >= kMinMatch ? InsertString(m_strStart) : 0;
        m_prevLength = length;
        const unsigned previousStart = m_matchStart;
        length = kMinMatch - 1;
        if (head != 0 && m_prevLength < m_parameters.lazy && m_strStart - head <= kMaxDistance) {
            length = LongestMatch(head);
            if (length == kMinMatch && m_strStart - m_matchStart > kTooFar)
                length = kMinMatch - 1;
        }
        if (m_prevLength >= kMinMatch && length <= m_prevLength) {
            const unsigned lastInsert = m_strStart + m_lookahead - kMinMatch;
            const bool endBlock =
                m_block.TallyMatch(m_strStart - 1 - previousStart, m_prevLength - kMinMatch, BlockInput());
            m_lookahead -= m_prevLength - 1;
            // The match's strings after its first two, those with three bytes left to hash.
            const unsigned matchEnd = m_strStart + m_prevLength - 1;
            InsertStrings(m_strStart + 1, std::min(matchEnd, lastInsert + 1));
            pending = false;
            length = kMinMatch - 1;
            m_strStart = matchEnd;
            if (endBlock)
                EndBlock(false);
        } else if (pending) {
            if (m_block.TallyLiteral(m_window[m_strStart - 1], BlockInput()))
                EndBlock(false);
            ++m_strStart;
            --m_lookahead;
        } else {
            pending = true;
            ++m_strStart;
            --m_lookahead;
        }
    }
    if (pending)
        m_block.TallyLiteral(m_window[m_strStart - 1], BlockInput());
    EndBlock(true);
}

} // namespace zip
