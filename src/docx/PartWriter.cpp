#include "docx/PartWriter.h"

#include "docx/TableSeparator.h"

#include <cerrno>

namespace docx {
namespace {

constexpr size_t kChunkBytes = size_t{1} << 20;

} // namespace

PartWriter::PartWriter(const platform::FilePlace& part, std::uint64_t maxBytes)
    : m_file(part.OpenForAppending()), m_written(m_file != platform::kInvalidFileHandle),
      m_error(m_written ? 0 : errno), m_maxBytes(maxBytes)
{
    if (const auto info = platform::GetFileInformation(m_file))
        m_opened = m_size = static_cast<std::uint64_t>(info->size);
    // Room for a full chunk and the day that passes the limit, so the chunk rarely grows.
    m_chunk.reserve(kChunkBytes + kChunkBytes / 4);
}

PartWriter::~PartWriter()
{
    platform::CloseFileHandle(m_file);
}

void PartWriter::FlushIfFull()
{
    if (m_chunk.size() >= kChunkBytes)
        Flush(true);
}

bool PartWriter::Finish()
{
    Flush(false);
    const bool closed = platform::CloseFileHandle(m_file);
    m_file = platform::kInvalidFileHandle;
    if (!m_written)
        errno = m_error;
    return m_written && closed;
}

void PartWriter::Flush(bool keepTableEnd)
{
    // A table end stays in the chunk, so a table that follows still sees it and keeps apart.
    const size_t count = keepTableEnd && EndsWithTable(m_chunk) ? m_chunk.rfind("</w:tbl>") : m_chunk.size();
    // After a failed write the part is lost anyway; the rest is not written.
    if (m_written && m_size + count > m_maxBytes) {
        // Writing on would only fill the disk with a part no .docx can take.
        m_written = false;
        m_tooLarge = true;
        platform::TruncateFile(m_file, static_cast<std::int64_t>(m_opened));
    } else if (m_written && platform::WriteFileHandle(m_file, m_chunk.data(), count) != count) {
        m_written = false;
        m_error = errno;
    }
    m_size += count;
    m_chunk.erase(0, count);
}

} // namespace docx
