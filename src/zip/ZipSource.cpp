#include "zip/ZipSource.h"

#include "platform/Clock.h"
#include "zip/Crc32.h"
#include "zip/DosTime.h"
#include "zip/ZipFormat.h"

#include <algorithm>
#include <cstring>

namespace zip {

using namespace zipformat;

void ZipSource::Reset()
{
    Close();
    m_crc = 0;
    m_bytesRead = 0;
    m_readFailed = false;
    m_handle = platform::kInvalidFileHandle;
    m_ownsHandle = false;
    m_memory = nullptr;
    m_memoryLength = m_memoryPosition = 0;
}

// Sources with no file behind them take the local time, and count it in seconds as if it
// were UTC.
void ZipSource::TimesFromNow()
{
    const CalendarTime now = FromLocal(platform::LocalTime(platform::Now()));
    m_accessTime = m_modificationTime = m_creationTime = SecondsAsUtc(now);
    m_dosTimestamp = zip::DosTimestamp(now);
}

ZRESULT ZipSource::OpenFile(const char* path)
{
    Reset();
    if (path == nullptr)
        return ZIP_ERR_ARGS;
    const platform::FileHandle handle = platform::OpenFileForReading(path);
    if (handle == platform::kInvalidFileHandle)
        return ZIP_ERR_OPEN_FILE;
    const ZRESULT result = OpenHandle(handle, 0);
    if (result != ZIP_OK) {
        platform::CloseFileHandle(handle);
        return result;
    }
    m_ownsHandle = true;
    return ZIP_OK;
}

ZRESULT ZipSource::OpenHandle(platform::FileHandle handle, DWORD length)
{
    Reset();
    if (handle < 0)
        return ZIP_ERR_ARGS;
    if (!platform::FilePosition(handle)) {
        m_attributes = kStreamAttributes;
        m_anticipatedSize = length == 0 ? std::int64_t{-1} : std::int64_t{length};
        TimesFromNow();
    } else {
        const std::optional<platform::FileInformation> info = platform::GetFileInformation(handle);
        if (!info)
            return ZIP_ERR_OPEN_FILE;
        m_attributes = (info->readOnly ? kDosReadOnly : 0) | (info->directory ? kDosDirectory : 0) |
                       (info->directory ? kUnixDirectory : kUnixRegularFile) | kUnixOwnerRead |
                       (info->readOnly ? 0 : kUnixOwnerWrite);
        m_anticipatedSize = info->size;
        m_accessTime = info->accessTime;
        m_modificationTime = info->modificationTime;
        m_creationTime = info->creationTime;
        m_dosTimestamp = zip::DosTimestamp(UtcCalendar(info->modificationTime));
        platform::SeekFile(handle, 0);
    }
    m_handle = handle;
    return ZIP_OK;
}

ZRESULT ZipSource::OpenMemory(const void* data, DWORD length)
{
    Reset();
    if (data == nullptr || length == 0)
        return ZIP_ERR_ARGS;
    m_attributes = kStreamAttributes;
    m_anticipatedSize = length;
    m_memory = static_cast<const BYTE*>(data);
    m_memoryLength = length;
    TimesFromNow();
    return ZIP_OK;
}

void ZipSource::OpenFolder()
{
    Reset();
    m_attributes = kFolderAttributes;
    m_anticipatedSize = 0;
    TimesFromNow();
}

long ZipSource::Read(BYTE* buffer, unsigned size)
{
    long n = 0;
    if (m_memory != nullptr) {
        n = static_cast<long>(std::min<std::size_t>(size, m_memoryLength - m_memoryPosition));
        std::memcpy(buffer, m_memory + m_memoryPosition, static_cast<std::size_t>(n));
        m_memoryPosition += static_cast<std::size_t>(n);
    } else if (m_handle != platform::kInvalidFileHandle) {
        n = static_cast<long>(platform::ReadFileHandle(m_handle, buffer, size));
        if (n < 0) {
            m_readFailed = true;
            n = 0;
        }
    }
    m_bytesRead += static_cast<std::uint64_t>(n);
    m_crc = Crc32(m_crc, buffer, static_cast<std::size_t>(n));
    return n;
}

void ZipSource::Close()
{
    if (m_ownsHandle)
        platform::CloseFileHandle(m_handle);
    m_ownsHandle = false;
    m_handle = platform::kInvalidFileHandle;
    m_anticipatedSize = static_cast<std::int64_t>(m_bytesRead);
}

} // namespace zip
