#pragma once
// Drives the compressor from memory: input handed out in pieces of a chosen size, output
// gathered, and a flush that can be made to fail.

#include "zip/ZipDeflate.h"

#include <algorithm>
#include <string>
#include <vector>

class MemoryDeflateIo final : public zip::DeflateIo {
public:
    explicit MemoryDeflateIo(std::string input, std::size_t piece = std::string::npos)
        : m_input(std::move(input)), m_piece(piece)
    {
    }

    long Read(BYTE* buffer, unsigned size) override
    {
        const std::size_t n = std::min({static_cast<std::size_t>(size), m_piece, m_input.size() - m_position});
        if (n == 0)
            return m_endWithMinusOne ? -1 : 0;
        std::copy_n(m_input.data() + m_position, n, buffer);
        m_position += n;
        return static_cast<long>(n);
    }

    bool Flush(const BYTE* data, unsigned count) override
    {
        ++flushCalls;
        if (flushCalls == failingFlush)
            return false;
        output.append(reinterpret_cast<const char*>(data), count);
        return true;
    }

    void EndWithMinusOne() { m_endWithMinusOne = true; }

    std::string output;
    int flushCalls = 0;
    int failingFlush = 0;   // 1 = the first flush fails

private:
    std::string m_input;
    std::size_t m_piece;
    std::size_t m_position = 0;
    bool m_endWithMinusOne = false;
};

struct Compressed {
    std::string stream;
    ZRESULT result;
    WORD flags;
};

inline Compressed Compress(zip::ZipDeflateState& state, MemoryDeflateIo& io, int level = zip::kZipDeflateLevel,
                           unsigned bufferSize = 16384)
{
    // Exactly as large as said and on the heap, so the sanitizer sees a write past its end.
    std::vector<BYTE> buffer(bufferSize);
    WORD flags = 0;
    std::uint64_t size = 0;
    const ZRESULT result = state.Deflate(io, buffer.data(), bufferSize, level, flags, size);
    if (result == ZIP_OK && size != io.output.size())
        return {"compressed size " + std::to_string(size) + " != bytes written", ZIP_INTERNAL_FLATION, flags};
    return {io.output, result, flags};
}

inline Compressed Compress(zip::ZipDeflateState& state, const std::string& input, int level = zip::kZipDeflateLevel)
{
    MemoryDeflateIo io(input);
    return Compress(state, io, level);
}
