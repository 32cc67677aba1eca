#include "zip/DeflateBitWriter.h"

namespace zip {

void DeflateBitWriter::Start(DeflateIo& io, BYTE* buffer, unsigned size)
{
    m_io = &io;
    m_buffer = buffer;
    m_size = size;
    m_filled = 0;
    m_bitBuffer = 0;
    m_bitCount = 0;
    m_bitsSent = 0;
    m_failed = false;
}

void DeflateBitWriter::FlushBuffer()
{
    if (m_filled > 0 && !m_failed && !m_io->Flush(m_buffer, m_filled))
        m_failed = true;
    m_filled = 0;
}

void DeflateBitWriter::PutShort(unsigned value)
{
    if (m_size - m_filled < 2)
        FlushBuffer();
    if (m_failed)
        return;
    m_buffer[m_filled++] = static_cast<BYTE>(value);
    m_buffer[m_filled++] = static_cast<BYTE>(value >> 8);
}

void DeflateBitWriter::PutByte(unsigned value)
{
    if (m_filled == m_size)
        FlushBuffer();
    if (m_failed)
        return;
    m_buffer[m_filled++] = static_cast<BYTE>(value);
}

void DeflateBitWriter::Align()
{
    if (m_bitCount > 8)
        PutShort(m_bitBuffer);
    else if (m_bitCount > 0)
        PutByte(m_bitBuffer);
    m_bitBuffer = 0;
    m_bitCount = 0;
    m_bitsSent = (m_bitsSent + 7) & ~std::uint64_t{7};
    FlushBuffer();
}

void DeflateBitWriter::SendStored(const BYTE* data, unsigned length)
{
    Align();
    PutShort(length);
    PutShort(~length);
    FlushBuffer();
    if (length > 0 && !m_failed && !m_io->Flush(data, length))
        m_failed = true;
    m_bitsSent += (std::uint64_t{length} + 4) * 8;
}

} // namespace zip
