#pragma once
// The document part while the body is written: one handle open for the whole body, and the text
// gathered in a chunk that goes to the file whenever it passes a size, so a full year never sits
// in memory at once and the part is not opened again for every day.

#include "platform/FileHandle.h"
#include "platform/FilePlace.h"

#include <string>
#include <string_view>

namespace docx {

class PartWriter {
public:
    // Continues the part, which must exist.
    explicit PartWriter(const platform::FilePlace& part);
    ~PartWriter();
    PartWriter(const PartWriter&) = delete;
    PartWriter& operator=(const PartWriter&) = delete;

    // The chunk, for emitters that append to it.
    std::string& Chunk() { return m_chunk; }
    void Add(std::string_view xml) { m_chunk += xml; }
    // Writes the chunk once it is full.
    void FlushIfFull();
    // Writes what is left and closes the part; false when the part could not be opened, any
    // write fell short or the close reported an error.
    bool Finish();

private:
    void Flush(bool keepTableEnd);

    platform::FileHandle m_file = platform::kInvalidFileHandle;
    std::string m_chunk;
    bool m_written = false;
};

} // namespace docx
