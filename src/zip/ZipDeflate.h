#pragma once
// The deflate compressor (RFC 1951, raw) of the zip writer: a hash-chain match finder with
// lazy matching over a sliding window, feeding the block writer.

#include "zip/DeflateBitWriter.h"
#include "zip/DeflateBlock.h"
#include "zip/DeflateSelfCheck.h"
#include "zip/ZipResult.h"

#include <array>
#include <cstdint>

namespace zip {

// Two windows' worth, so that the bytes slide down only once per 32 KiB of input.
constexpr unsigned kWindowBufferSize = 65536;
constexpr unsigned kWindowMask = zipformat::kMaxDistanceOfFormat - 1;
// 15 bits of hash, shifted by 5 per byte, so the hash covers exactly the 3 bytes of a
// shortest match and one head per window position keeps chains short.
constexpr unsigned kHashSize = 32768;
constexpr unsigned kHashMask = kHashSize - 1;
constexpr unsigned kHashShift = 5;
// A longest match plus the bytes that hash the string after it: while input remains this
// much is always in the window, so a match never runs into bytes not yet read.
constexpr unsigned kMinLookahead = zipformat::kMaxMatch + zipformat::kMinMatch + 1;
// Farthest match: the window less the look-ahead, so that no match reaches into bytes that
// the next slide throws away.
constexpr unsigned kMaxDistance = zipformat::kMaxDistanceOfFormat - kMinLookahead;
// A 3-byte match farther than this costs more bits than three literals.
constexpr unsigned kTooFar = 4096;

// The level the zip writer compresses at.
constexpr int kZipDeflateLevel = 8;

class ZipDeflateState {
public:
    ZipDeflateState();

    // Compresses everything io reads into one deflate stream written through io, using
    // buffer (bufferSize bytes) to gather the output. Levels 1 to 8; sets the level's bit in
    // flags (fast for 1 and 2, maximum for 8). Results: ZIP_OK; ZIP_ERR_ARGS, before anything
    // is read or written, for a buffer of fewer than two bytes; ZIP_ERR_WRITE when a flush
    // failed (nothing is written after it); ZIP_INTERNAL_FLATION when a self-check failed.
    ZRESULT Deflate(DeflateIo& io, BYTE* buffer, unsigned bufferSize, int level, WORD& flags,
                    std::uint64_t& compressedSize);

    // The message of the last failed self-check of the latest entry, or null.
    const char* AssertionMessage() const { return m_check.Message(); }

private:
    // Tuning of one level: a match at least `good` long quarters the search of the next
    // one; no lazy search after a match of `lazy` or more (the fast path: no insertion of
    // the strings of a longer match); a match of `nice` ends the search; at most `chain`
    // candidates per search.
    struct LevelParameters {
        unsigned good;
        unsigned lazy;
        unsigned nice;
        unsigned chain;
    };
    static const LevelParameters kLevels[];

    void StartMatching(int level, WORD& flags);
    void FillWindow();
    void Slide();
    unsigned InsertString(unsigned position)
    {
        m_hash = ((m_hash << kHashShift) ^ m_window[position + zipformat::kMinMatch - 1]) & kHashMask;
        const unsigned head = m_head[m_hash];
        m_previous[position & kWindowMask] = static_cast<WORD>(head);
        m_head[m_hash] = static_cast<WORD>(position);
        return head;
    }
    // InsertString for every position of [first, end), kept in registers: the members would
    // be stored and reloaded at each position.
    void InsertStrings(unsigned first, unsigned end);
    unsigned LongestMatch(unsigned candidate);
    long BlockInput() const { return static_cast<long>(m_strStart) - m_blockStart; }
    void EndBlock(bool last);
    void DeflateFast();
    void DeflateLazy();

    DeflateSelfCheck m_check;
    DeflateBitWriter m_bits;
    DeflateBlock m_block;
    DeflateIo* m_io = nullptr;

    LevelParameters m_parameters {};
    unsigned m_niceMatch = 0;      // lowered to the look-ahead near the end of the input

    std::array<BYTE, kWindowBufferSize> m_window {};
    // Positions in the window, 0 for none: the latest string of each hash, and for each
    // position the one before it with the same hash.
    std::array<WORD, kHashSize> m_head {};
    std::array<WORD, zipformat::kMaxDistanceOfFormat> m_previous {};

    unsigned m_hash = 0;
    unsigned m_strStart = 0;
    unsigned m_matchStart = 0;
    unsigned m_prevLength = 0;
    unsigned m_lookahead = 0;
    long m_blockStart = 0;        // negative once the block's start has slid out of the window
    unsigned m_highWater = 0;     // end of the input written into the window in this entry
    bool m_endOfInput = false;
};

} // namespace zip
