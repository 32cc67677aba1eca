#include "zip/DeflateBlock.h"

namespace zip {

using namespace zipformat;

DeflateBlock::DeflateBlock(DeflateBitWriter& bits, DeflateSelfCheck& check)
    : m_bits(bits), m_check(check),
      m_literalTree(kLiteralLengthCodes, kMaxCodeLength, kLengthExtraBits.data(), kLiterals + 1,
                    kDeflateTables.staticLiteral.data()),
      m_distanceTree(kDistanceCodes, kMaxCodeLength, kDistanceExtraBits.data(), 0,
                     kDeflateTables.staticDistance.data()),
      m_bitLengthTree(kBitLengthCodes, kMaxBitLengthCodeLength, kBitLengthExtraBits.data(), 0, nullptr)
{
}

void DeflateBlock::StartStream(int level)
{
    m_level = level;
    m_compressedBits = 0;
    Reset();
}

void DeflateBlock::Reset()
{
    m_literalTree.ClearCounts();
    m_distanceTree.ClearCounts();
    m_bitLengthTree.ClearCounts();
    m_literalTree.Count(kEndOfBlock);
    m_cost = {};
    m_symbols = m_matches = m_flagBytes = 0;
    m_flags = 0;
    m_flagBit = 1;
}

bool DeflateBlock::TallyMatch(unsigned distance, unsigned lengthMinusMin, long inputLength)
{
    const unsigned distanceMinusOne = distance - 1;
    const unsigned lengthCode = kDeflateTables.lengthCode[lengthMinusMin & 0xFF];
    const unsigned distanceCode = DistanceCode(distanceMinusOne & 0x7FFF);
    m_check.Expect(distanceMinusOne < kMaxDistanceOfFormat && lengthMinusMin <= kMaxMatch - kMinMatch &&
                       distanceCode < kDistanceCodes,
                   "ct_tally: bad match");
    m_literals[m_symbols] = static_cast<BYTE>(lengthMinusMin);
    m_distances[m_matches++] = static_cast<WORD>(distanceMinusOne);
    m_literalTree.Count(static_cast<int>(lengthCode) + kLiterals + 1);
    m_distanceTree.Count(static_cast<int>(distanceCode));
    return Tallied(true, inputLength);
}

bool DeflateBlock::Tallied(bool match, long inputLength)
{
    if (match)
        m_flags |= m_flagBit;
    m_flagBit <<= 1;
    if ((++m_symbols & 7) == 0) {
        m_matchFlags[m_flagBytes++] = static_cast<BYTE>(m_flags);
        m_flags = 0;
        m_flagBit = 1;
    }
    if (m_level > 2 && m_symbols % kEstimateInterval == 0 && WorthEndingEarly(inputLength))
        return true;
    // One slot stays free; distances never outnumber symbols, so their buffer never fills first.
    return m_symbols == kLiteralBufferSize - 1;
}

// A block that already halves its input although most of it is literals: end it here, so
// that what follows, which may compress differently, gets codes of its own.
bool DeflateBlock::WorthEndingEarly(long inputLength) const
{
    unsigned long long estimate = static_cast<unsigned long long>(m_symbols) * 8;
    for (int code = 0; code < kDistanceCodes; ++code)
        estimate += static_cast<unsigned long long>(m_distanceTree.CountOf(code)) *
                    (5u + kDistanceExtraBits[static_cast<size_t>(code)]);
    estimate >>= 3;
    return m_matches < m_symbols / 2 && estimate < static_cast<unsigned long long>(inputLength / 2);
}

// Visits the run-length form of a tree's code lengths: each length, or a repeat code with
// its extra bits. emit(symbol, extraValue, extraBits).
template <typename Emit>
void DeflateBlock::WalkRuns(const HuffmanTree& tree, Emit emit)
{
    const int maxCode = tree.MaxCode();
    int previous = -1;
    int next = tree.Length(0);
    int count = 0;
    int maxCount = next == 0 ? 138 : 7;
    int minCount = next == 0 ? 3 : 4;
    for (int n = 0; n <= maxCode; ++n) {
        const int current = next;
        next = n < maxCode ? tree.Length(n + 1) : -1;
        if (++count < maxCount && current == next)
            continue;
        if (count < minCount) {
            do
                emit(current, 0, 0);
            while (--count != 0);
        } else if (current != 0) {
            if (current != previous) {
                emit(current, 0, 0);
                --count;
            }
            m_check.Expect(count >= 3 && count <= 6, " 3_6?");
            emit(kRepeatPrevious, count - 3, 2);
        } else if (count <= 10) {
            emit(kRepeatZeros, count - 3, 3);
        } else {
            emit(kRepeatManyZeros, count - 11, 7);
        }
        count = 0;
        previous = current;
        if (next == 0) {
            maxCount = 138;
            minCount = 3;
        } else if (current == next) {
            maxCount = 6;
            minCount = 3;
        } else {
            maxCount = 7;
            minCount = 4;
        }
    }
}

// Builds the tree that codes the two trees' code lengths; returns the index, in the order
// they are sent, of the last code-length code that is used (at least 3).
int DeflateBlock::BuildBitLengthTree()
{
    const auto count = [this](int symbol, int, int) { m_bitLengthTree.Count(symbol); };
    WalkRuns(m_literalTree, count);
    WalkRuns(m_distanceTree, count);
    m_bitLengthTree.Build(m_scratch, m_cost, m_check);
    int last = kBitLengthCodes - 1;
    while (last >= 3 && m_bitLengthTree.Length(kBitLengthOrder[static_cast<size_t>(last)]) == 0)
        --last;
    m_cost.optimal += 3 * (last + 1) + 5 + 5 + 4;
    return last;
}

void DeflateBlock::SendTrees(int literalCodes, int distanceCodes, int bitLengthCodes)
{
    m_check.Expect(literalCodes >= kLiterals + 1 && distanceCodes >= 1 && bitLengthCodes >= 4, "not enough codes");
    m_check.Expect(literalCodes <= kLiteralLengthCodes && distanceCodes <= kDistanceCodes &&
                       bitLengthCodes <= kBitLengthCodes,
                   "too many codes");
    m_bits.SendBits(static_cast<unsigned>(literalCodes - (kLiterals + 1)), 5);
    m_bits.SendBits(static_cast<unsigned>(distanceCodes - 1), 5);
    m_bits.SendBits(static_cast<unsigned>(bitLengthCodes - 4), 4);
    for (int rank = 0; rank < bitLengthCodes; ++rank)
        m_bits.SendBits(static_cast<unsigned>(m_bitLengthTree.Length(kBitLengthOrder[static_cast<size_t>(rank)])), 3);
    const auto send = [this](int symbol, int extraValue, int extraBits) {
        SendCode(symbol, m_bitLengthTree.Codes());
        if (extraBits != 0)
            m_bits.SendBits(static_cast<unsigned>(extraValue), extraBits);
    };
    WalkRuns(m_literalTree, send);
    WalkRuns(m_distanceTree, send);
}

void DeflateBlock::SendSymbols(const DeflateCode* literalCodes, const DeflateCode* distanceCodes)
{
    unsigned flags = 0;
    unsigned match = 0;
    for (unsigned n = 0; n < m_symbols; ++n, flags >>= 1) {
        if ((n & 7) == 0)
            flags = m_matchFlags[n >> 3];
        const unsigned symbol = m_literals[n];
        if ((flags & 1) == 0) {
            SendCode(static_cast<int>(symbol), literalCodes);
            continue;
        }
        unsigned code = kDeflateTables.lengthCode[symbol];
        SendCode(static_cast<int>(code) + kLiterals + 1, literalCodes);
        int extra = kLengthExtraBits[code];
        if (extra != 0)
            m_bits.SendBits(symbol - kDeflateTables.baseLength[code], extra);
        const unsigned distance = m_distances[match++];
        code = DistanceCode(distance);
        m_check.Expect(code < kDistanceCodes, "bad d_code");
        SendCode(static_cast<int>(code), distanceCodes);
        extra = kDistanceExtraBits[code];
        if (extra != 0)
            m_bits.SendBits(distance - kDeflateTables.baseDistance[code], extra);
    }
    SendCode(kEndOfBlock, literalCodes);
}

void DeflateBlock::End(const BYTE* raw, unsigned long rawLength, bool last)
{
    m_matchFlags[m_flagBytes] = static_cast<BYTE>(m_flags);
    m_literalTree.Build(m_scratch, m_cost, m_check);
    m_distanceTree.Build(m_scratch, m_cost, m_check);
    const int lastBitLengthCode = BuildBitLengthTree();

    // Sizes in bytes with the 3 header bits.
    const auto dynamicBytes = static_cast<unsigned long long>(m_cost.optimal + 3 + 7) >> 3;
    const auto staticBytes = static_cast<unsigned long long>(m_cost.fixed + 3 + 7) >> 3;
    const unsigned long long best = staticBytes <= dynamicBytes ? staticBytes : dynamicBytes;
    const unsigned lastBit = last ? 1 : 0;

    // Stored costs 4 bytes for the length and its complement.
    if (raw != nullptr && rawLength + 4 <= best) {
        m_bits.SendBits(kStoredBlock << 1 | lastBit, 3);
        m_compressedBits = ((m_compressedBits + 3 + 7) & ~std::uint64_t{7}) + (std::uint64_t{rawLength} + 4) * 8;
        m_bits.SendStored(raw, static_cast<unsigned>(rawLength));
    } else if (staticBytes == best) {
        m_bits.SendBits(kStaticBlock << 1 | lastBit, 3);
        SendSymbols(kDeflateTables.staticLiteral.data(), kDeflateTables.staticDistance.data());
        m_compressedBits += 3 + static_cast<std::uint64_t>(m_cost.fixed);
    } else {
        m_bits.SendBits(kDynamicBlock << 1 | lastBit, 3);
        SendTrees(m_literalTree.MaxCode() + 1, m_distanceTree.MaxCode() + 1, lastBitLengthCode + 1);
        SendSymbols(m_literalTree.Codes(), m_distanceTree.Codes());
        m_compressedBits += 3 + static_cast<std::uint64_t>(m_cost.optimal);
    }
    m_check.Expect(m_compressedBits == m_bits.BitsSent(), "bad compressed size");
    Reset();
    if (last) {
        m_bits.Align();
        m_compressedBits += 7;
    }
}

} // namespace zip
