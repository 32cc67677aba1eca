#pragma once
// The symbols of the current block and how the block is sent: stored, with the static
// codes, or with codes of its own, whichever is smallest.

#include "zip/DeflateBitWriter.h"
#include "zip/HuffmanTree.h"

#include <array>
#include <cstdint>

namespace zip {

// A block holds up to this many symbols (one byte each: a literal or a match length - 3).
constexpr unsigned kLiteralBufferSize = 32768;
// Every this many symbols a block checks whether ending early would pay.
constexpr unsigned kEstimateInterval = 4096;

class DeflateBlock {
public:
    DeflateBlock(DeflateBitWriter& bits, DeflateSelfCheck& check);

    // A new stream: nothing sent yet, an empty block. Levels above 2 may end blocks early.
    void StartStream(int level);

    // Buffer one symbol. True when the block must end now. inputLength: input bytes of the block so far.
    bool TallyLiteral(BYTE literal, long inputLength)
    {
        m_literals[m_symbols] = literal;
        m_literalTree.Count(literal);
        return Tallied(false, inputLength);
    }
    bool TallyMatch(unsigned distance, unsigned lengthMinusMin, long inputLength);

    // Sends the block. raw: the block's input when it is still in the window, else null.
    void End(const BYTE* raw, unsigned long rawLength, bool last);

    // Length of the stream sent so far, in bytes (the last block ends on a byte).
    std::uint64_t CompressedBytes() const { return m_compressedBits >> 3; }

private:
    bool Tallied(bool match, long inputLength);
    bool WorthEndingEarly(long inputLength) const;
    void Reset();
    int BuildBitLengthTree();
    void SendTrees(int literalCodes, int distanceCodes, int bitLengthCodes);
    template <typename Emit>
    void WalkRuns(const HuffmanTree& tree, Emit emit);
    void SendSymbols(const DeflateCode* literalCodes, const DeflateCode* distanceCodes);
    void SendCode(int symbol, const DeflateCode* codes) { m_bits.SendBits(codes[symbol].code, codes[symbol].length); }

    DeflateBitWriter& m_bits;
    DeflateSelfCheck& m_check;
    int m_level = 0;

    HuffmanTree m_literalTree;
    HuffmanTree m_distanceTree;
    HuffmanTree m_bitLengthTree;
    TreeScratch m_scratch {};
    BlockCost m_cost;

    std::array<BYTE, kLiteralBufferSize> m_literals {};
    std::array<WORD, kLiteralBufferSize> m_distances {};        // distance - 1 of each match
    std::array<BYTE, kLiteralBufferSize / 8> m_matchFlags {};   // one bit per symbol: 1 = match
    unsigned m_symbols = 0;
    unsigned m_matches = 0;
    unsigned m_flagBytes = 0;
    unsigned m_flags = 0;
    unsigned m_flagBit = 1;

    std::uint64_t m_compressedBits = 0;
};

} // namespace zip
