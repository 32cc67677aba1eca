#include "zip/HuffmanTree.h"

#include <algorithm>

namespace zip {

HuffmanTree::HuffmanTree(int elements, int maxLength, const BYTE* extraBits, int extraBase,
                         const DeflateCode* staticCodes)
    : m_elements(elements), m_maxLength(maxLength), m_extraBits(extraBits), m_extraBase(extraBase),
      m_staticCodes(staticCodes)
{
}

void HuffmanTree::ClearCounts()
{
    std::fill_n(m_count.begin(), m_elements, 0u);
}

bool HuffmanTree::Smaller(const TreeScratch& scratch, int n, int m) const
{
    const auto a = static_cast<size_t>(n), b = static_cast<size_t>(m);
    return m_count[a] < m_count[b] || (m_count[a] == m_count[b] && scratch.depth[a] <= scratch.depth[b]);
}

// Restores the heap order below position k (the heap starts at 1).
void HuffmanTree::SiftDown(TreeScratch& scratch, int heapLength, int k) const
{
    auto& heap = scratch.heap;
    const int v = heap[static_cast<size_t>(k)];
    for (int j = k << 1; j <= heapLength; j <<= 1) {
        if (j < heapLength && Smaller(scratch, heap[static_cast<size_t>(j + 1)], heap[static_cast<size_t>(j)]))
            ++j;
        if (Smaller(scratch, v, heap[static_cast<size_t>(j)]))
            break;
        heap[static_cast<size_t>(k)] = heap[static_cast<size_t>(j)];
        k = j;
    }
    heap[static_cast<size_t>(k)] = v;
}

void HuffmanTree::Build(TreeScratch& scratch, BlockCost& cost, DeflateSelfCheck& check)
{
    auto& heap = scratch.heap;
    int heapLength = 0;
    int heapMax = kTreeNodes;
    m_maxCode = -1;
    for (int n = 0; n < m_elements; ++n) {
        const auto s = static_cast<size_t>(n);
        m_codes[s].length = 0;
        if (m_count[s] != 0) {
            heap[static_cast<size_t>(++heapLength)] = m_maxCode = n;
            scratch.depth[s] = 0;
        }
    }
    // A decoder needs at least two codes; a stand-in symbol is counted once but never sent.
    while (heapLength < 2) {
        const int node = m_maxCode < 2 ? ++m_maxCode : 0;
        heap[static_cast<size_t>(++heapLength)] = node;
        m_count[static_cast<size_t>(node)] = 1;
        scratch.depth[static_cast<size_t>(node)] = 0;
        --cost.optimal;
        if (m_staticCodes != nullptr)
            cost.fixed -= m_staticCodes[node].length;
    }
    for (int n = heapLength / 2; n >= 1; --n)
        SiftDown(scratch, heapLength, n);

    // Join the two rarest until one node is left; the removed nodes line up at the heap's
    // end, the root last, so their order is the order of falling counts.
    int node = m_elements;
    do {
        const int n = heap[1];
        heap[1] = heap[static_cast<size_t>(heapLength--)];
        SiftDown(scratch, heapLength, 1);
        const int m = heap[1];
        heap[static_cast<size_t>(--heapMax)] = n;
        heap[static_cast<size_t>(--heapMax)] = m;
        const auto joined = static_cast<size_t>(node);
        m_count[joined] = m_count[static_cast<size_t>(n)] + m_count[static_cast<size_t>(m)];
        scratch.depth[joined] = static_cast<BYTE>(
            std::max(scratch.depth[static_cast<size_t>(n)], scratch.depth[static_cast<size_t>(m)]) + 1);
        m_parent[static_cast<size_t>(n)] = m_parent[static_cast<size_t>(m)] = node;
        heap[1] = node++;
        SiftDown(scratch, heapLength, 1);
    } while (heapLength >= 2);
    heap[static_cast<size_t>(--heapMax)] = heap[1];

    AssignLengths(scratch, heapMax, cost);
    check.Expect(AssignCanonicalCodes(m_codes.data(), m_maxCode, scratch.lengthCounts), "inconsistent bit counts");
}

// Code lengths from the depths, cut to the maximum length. Each cut leaf is paid for by
// moving a shorter leaf one level down, which makes room for two leaves there.
void HuffmanTree::AssignLengths(TreeScratch& scratch, int heapMax, BlockCost& cost)
{
    auto& counts = scratch.lengthCounts;
    counts.fill(0);
    const auto& heap = scratch.heap;
    m_depthInTree[static_cast<size_t>(heap[static_cast<size_t>(heapMax)])] = 0;
    int overflow = 0;
    for (int h = heapMax + 1; h < kTreeNodes; ++h) {
        const int n = heap[static_cast<size_t>(h)];
        int bits = m_depthInTree[static_cast<size_t>(m_parent[static_cast<size_t>(n)])] + 1;
        if (bits > m_maxLength) {
            bits = m_maxLength;
            ++overflow;
        }
        m_depthInTree[static_cast<size_t>(n)] = bits;
        if (n > m_maxCode)
            continue;
        m_codes[static_cast<size_t>(n)].length = static_cast<WORD>(bits);
        ++counts[static_cast<size_t>(bits)];
        const int extra = n >= m_extraBase ? m_extraBits[n - m_extraBase] : 0;
        const long long count = m_count[static_cast<size_t>(n)];
        cost.optimal += count * (bits + extra);
        if (m_staticCodes != nullptr)
            cost.fixed += count * (m_staticCodes[n].length + extra);
    }
    if (overflow == 0)
        return;

    do {
        int bits = m_maxLength - 1;
        while (counts[static_cast<size_t>(bits)] == 0)
            --bits;
        --counts[static_cast<size_t>(bits)];
        counts[static_cast<size_t>(bits + 1)] += 2;
        --counts[static_cast<size_t>(m_maxLength)];
        overflow -= 2;
    } while (overflow > 0);

    // Hand the lengths out again, longest first, to the leaves in order of rising count.
    int h = kTreeNodes;
    for (int bits = m_maxLength; bits != 0; --bits) {
        for (unsigned n = counts[static_cast<size_t>(bits)]; n != 0;) {
            const int m = heap[static_cast<size_t>(--h)];
            if (m > m_maxCode)
                continue;
            DeflateCode& code = m_codes[static_cast<size_t>(m)];
            if (code.length != bits) {
                cost.optimal += (static_cast<long long>(bits) - code.length) * m_count[static_cast<size_t>(m)];
                code.length = static_cast<WORD>(bits);
            }
            --n;
        }
    }
}

} // namespace zip
