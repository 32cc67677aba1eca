#include "docx/PartWriter.h"

#include "platform/Files.h"

#include <optional>
#include <utility>

namespace docx {
namespace {

constexpr size_t kChunkBytes = size_t{1} << 20;

} // namespace

PartWriter::PartWriter(const std::string& path)
{
    // The handle can only create a file, so the text the part already holds goes first.
    std::optional<std::string> held = platform::ReadFileBytes(path);
    if (!held)
        return;
    m_file = platform::CreateFileForWriting(path.c_str());
    m_written = m_file != platform::kInvalidFileHandle;
    m_chunk = std::move(*held);
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
        Flush();
}

bool PartWriter::Finish()
{
    Flush();
    platform::CloseFileHandle(m_file);
    m_file = platform::kInvalidFileHandle;
    return m_written;
}

void PartWriter::Flush()
{
    // After a failed write the part is lost anyway; the rest is not written.
    if (m_written)
        m_written = platform::WriteFileHandle(m_file, m_chunk.data(), m_chunk.size()) == m_chunk.size();
    m_chunk.clear();
}

} // namespace docx
