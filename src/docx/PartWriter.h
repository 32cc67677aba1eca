#pragma once
// The document part while the body is written: one handle open for the whole body, and the text
// gathered in a chunk that goes to the file whenever it passes a size, so a full year never sits
// in memory at once and the part is not opened again for every day.

#include "platform/FileHandle.h"
#include "platform/FilePlace.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace docx {

class PartWriter {
public:
    // Continues the part, which must exist, up to the most bytes it may hold.
    PartWriter(const platform::FilePlace& part, std::uint64_t maxBytes);
    ~PartWriter();
    PartWriter(const PartWriter&) = delete;
    PartWriter& operator=(const PartWriter&) = delete;

    // The chunk, for emitters that append to it.
    std::string& Chunk() { return m_chunk; }
    void Add(std::string_view xml) { m_chunk += xml; }
    // Writes the chunk once it is full.
    void FlushIfFull();
    // Writes what is left and closes the part; false when the part could not be opened, any
    // write fell short or the close reported an error, errno then telling the first failure's
    // reason, whatever ran since, or when the part would have passed its most bytes.
    bool Finish();
    // True once nothing more will be written: a write failed or the part would pass its most
    // bytes, so what is left to add is work lost.
    bool Stopped() const { return !m_written; }
    // True when the part would have passed its most bytes: it was stopped before it did, and cut
    // back to what it held when opened.
    bool TooLarge() const { return m_tooLarge; }

private:
    void Flush(bool keepTableEnd);

    platform::FileHandle m_file = platform::kInvalidFileHandle;
    std::string m_chunk;
    bool m_written = false;
    int m_error = 0;   // the reason of the failed open or write
    std::uint64_t m_maxBytes;
    std::uint64_t m_opened = 0;   // the part's size when opened
    std::uint64_t m_size = 0;
    bool m_tooLarge = false;
};

} // namespace docx
