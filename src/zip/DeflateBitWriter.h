#pragma once
// Packs codes into bytes, low bit first, and hands full output buffers to the archive.

#include "platform/WinTypes.h"
#include "zip/DeflateSelfCheck.h"

#include <cstdint>

namespace zip {

// What the compressor reads from and writes to (the archive's source and output).
class DeflateIo {
public:
    // Bytes read into the buffer; 0 or -1 end the input.
    virtual long Read(BYTE* buffer, unsigned size) = 0;
    // True when all the bytes were written.
    virtual bool Flush(const BYTE* data, unsigned count) = 0;
    virtual ~DeflateIo() = default;
};

class DeflateBitWriter {
public:
    // Sixteen bits of code go into the output buffer at once, so it must hold two bytes.
    static constexpr unsigned kSmallestBuffer = 2;

    explicit DeflateBitWriter(DeflateSelfCheck& check) : m_check(check) {}

    void Start(DeflateIo& io, BYTE* buffer, unsigned size);

    // Sends the low `length` bits of value (1 to 15 bits).
    void SendBits(unsigned value, int length)
    {
        m_check.Expect(length > 0 && length <= 15, "invalid length");
        m_bitsSent += static_cast<unsigned>(length);
        m_bitBuffer |= value << m_bitCount;
        m_bitCount += length;
        if (m_bitCount > 16) {
            PutShort(m_bitBuffer);
            m_bitBuffer >>= 16;
            m_bitCount -= 16;
        }
    }

    // Writes the pending bits as whole bytes and flushes the output buffer.
    void Align();
    // A stored block's body: aligned length and its complement, then the raw bytes straight
    // through to the output.
    void SendStored(const BYTE* data, unsigned length);

    // After a failed flush nothing more is written: the entry is lost anyway.
    bool Failed() const { return m_failed; }
    std::uint64_t BitsSent() const { return m_bitsSent; }

private:
    void PutShort(unsigned value);
    void PutByte(unsigned value);
    void FlushBuffer();

    DeflateSelfCheck& m_check;
    DeflateIo* m_io = nullptr;
    BYTE* m_buffer = nullptr;
    unsigned m_size = 0;
    unsigned m_filled = 0;
    std::uint32_t m_bitBuffer = 0;
    int m_bitCount = 0;
    std::uint64_t m_bitsSent = 0;
    bool m_failed = false;
};

} // namespace zip
