#pragma once
// One Huffman tree of a block: symbol counts in, code lengths limited to a maximum and
// canonical codes out, with the block's cost in bits under these codes and the static ones.

#include "zip/DeflateSelfCheck.h"
#include "zip/DeflateTables.h"

#include <array>

namespace zip {

// Symbols and inner nodes of the largest tree.
constexpr int kTreeNodes = 2 * zipformat::kLiteralLengthCodes + 1;

struct BlockCost {
    long long optimal = 0;   // bits with the block's own codes
    long long fixed = 0;     // bits with the static codes
};

// Working space that the trees of a block take turns to use.
struct TreeScratch {
    std::array<int, kTreeNodes> heap;
    std::array<BYTE, kTreeNodes> depth;     // breaks ties between equal counts: shallower first
    std::array<unsigned, 16> lengthCounts;  // symbols per code length
};

class HuffmanTree {
public:
    // extraBits[symbol - extraBase] extra bits follow a symbol from extraBase on;
    // staticCodes is null for a tree with no static counterpart.
    HuffmanTree(int elements, int maxLength, const BYTE* extraBits, int extraBase, const DeflateCode* staticCodes);

    void ClearCounts();
    void Count(int symbol) { ++m_count[static_cast<size_t>(symbol)]; }
    unsigned CountOf(int symbol) const { return m_count[static_cast<size_t>(symbol)]; }

    void Build(TreeScratch& scratch, BlockCost& cost, DeflateSelfCheck& check);

    // The largest symbol with a code.
    int MaxCode() const { return m_maxCode; }
    const DeflateCode* Codes() const { return m_codes.data(); }
    int Length(int symbol) const { return m_codes[static_cast<size_t>(symbol)].length; }

private:
    bool Smaller(const TreeScratch& scratch, int n, int m) const;
    void SiftDown(TreeScratch& scratch, int heapLength, int k) const;
    void AssignLengths(TreeScratch& scratch, int heapMax, BlockCost& cost);

    const int m_elements;
    const int m_maxLength;
    const BYTE* const m_extraBits;
    const int m_extraBase;
    const DeflateCode* const m_staticCodes;

    std::array<unsigned, kTreeNodes> m_count {};     // symbols first, then the inner nodes
    std::array<int, kTreeNodes> m_parent {};
    std::array<int, kTreeNodes> m_depthInTree {};  // code length of a symbol, depth of a node
    std::array<DeflateCode, zipformat::kLiteralLengthCodes> m_codes {};
    int m_maxCode = -1;
};

} // namespace zip
