#pragma once
// The data of the entry being added: a file, an open handle, a memory block or nothing (a
// folder). Reading keeps the byte count and the CRC-32 of what was read.

#include "platform/FileHandle.h"
#include "zip/ZipResult.h"

#include <cstdint>
#include <ctime>

namespace zip {

class ZipSource {
public:
    ZipSource() = default;
    ~ZipSource() { Close(); }
    ZipSource(const ZipSource&) = delete;
    ZipSource& operator=(const ZipSource&) = delete;

    ZRESULT OpenFile(const char* path);
    // A length of 0 means unknown; it only counts for a handle that cannot seek.
    ZRESULT OpenHandle(platform::FileHandle handle, DWORD length);
    ZRESULT OpenMemory(const void* data, DWORD length);
    void OpenFolder();

    // Bytes read, 0 at the end. A failed read ends the data too, and is remembered.
    long Read(BYTE* buffer, unsigned size);
    // Closes a handle the source opened itself; the anticipated size becomes the bytes read.
    void Close();

    DWORD Attributes() const { return m_attributes; }
    DWORD DosTimestamp() const { return m_dosTimestamp; }
    std::time_t ModificationTime() const { return m_modificationTime; }
    std::time_t AccessTime() const { return m_accessTime; }
    std::time_t CreationTime() const { return m_creationTime; }
    // -1 when unknown.
    std::int64_t AnticipatedSize() const { return m_anticipatedSize; }
    std::uint64_t BytesRead() const { return m_bytesRead; }
    DWORD Crc() const { return m_crc; }
    bool ReadFailed() const { return m_readFailed; }

private:
    void Reset();
    void TimesFromNow();

    DWORD m_attributes = 0;
    std::time_t m_accessTime = 0;
    std::time_t m_modificationTime = 0;
    std::time_t m_creationTime = 0;
    DWORD m_dosTimestamp = 0;
    std::int64_t m_anticipatedSize = -1;
    std::uint64_t m_bytesRead = 0;
    DWORD m_crc = 0;
    bool m_readFailed = false;

    platform::FileHandle m_handle = platform::kInvalidFileHandle;
    bool m_ownsHandle = false;
    const BYTE* m_memory = nullptr;
    std::size_t m_memoryLength = 0;
    std::size_t m_memoryPosition = 0;
};

} // namespace zip
