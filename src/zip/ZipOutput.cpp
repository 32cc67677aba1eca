#include "zip/ZipOutput.h"

#include <cstring>
#include <new>

namespace zip {

ZipOutput::~ZipOutput()
{
    if (m_ownsHandle)
        platform::CloseFileHandle(m_handle);
}

ZRESULT ZipOutput::OpenFile(const char* path)
{
    m_handle = path == nullptr ? platform::kInvalidFileHandle : platform::CreateFileForWriting(path);
    if (m_handle == platform::kInvalidFileHandle)
        return ZIP_ERR_OPEN_FILE;
    m_ownsHandle = true;
    m_seekable = true;
    return ZIP_OK;
}

ZRESULT ZipOutput::OpenHandle(platform::FileHandle handle)
{
    if (handle < 0)
        return ZIP_ERR_ARGS;
    m_handle = handle;
    const std::optional<std::int64_t> position = platform::FilePosition(handle);
    m_seekable = position.has_value();
    m_initialOffset = position ? static_cast<std::uint64_t>(*position) : 0;
    return ZIP_OK;
}

ZRESULT ZipOutput::OpenMemory(void* buffer, unsigned length)
{
    if (length == 0)
        return ZIP_ERR_MEMORY_TOO_SMALL;
    if (buffer == nullptr) {
        m_privateBlock.reset(new (std::nothrow) BYTE[length]);
        if (!m_privateBlock)
            return ZIP_ERR_ALLOC;
        buffer = m_privateBlock.get();
    }
    m_memory = static_cast<BYTE*>(buffer);
    m_capacity = length;
    m_seekable = true;
    return ZIP_OK;
}

std::size_t ZipOutput::Write(const BYTE* data, std::size_t count)
{
    if (m_stickyError != ZIP_OK)
        return 0;
    if (m_cipher) {
        if (m_scratch.size() < count)
            m_scratch.resize(count * 2);
        std::memcpy(m_scratch.data(), data, count);
        m_cipher->Encrypt(m_scratch.data(), count);
        data = m_scratch.data();
    }
    if (m_memory == nullptr)
        return platform::WriteFileHandle(m_handle, data, count);
    if (m_position + count >= m_capacity) {
        m_stickyError = ZIP_ERR_MEMORY_TOO_SMALL;
        return 0;
    }
    std::memcpy(m_memory + m_position, data, count);
    m_position += count;
    return count;
}

bool ZipOutput::Seek(std::uint64_t position)
{
    if (!m_seekable) {
        m_stickyError = ZIP_INTERNAL_UNSEEKABLE;
        return false;
    }
    if (m_memory == nullptr)
        return platform::SeekFile(m_handle, static_cast<std::int64_t>(position + m_initialOffset));
    if (position >= m_capacity) {
        m_stickyError = ZIP_ERR_MEMORY_TOO_SMALL;
        return false;
    }
    m_position = static_cast<std::size_t>(position);
    return true;
}

} // namespace zip
