#pragma once
// Where an archive's bytes go: a file it made, a caller's file handle, or a memory block.
// Every byte passes through here, encrypted first while an encrypted entry's data is written.

#include "platform/FileHandle.h"
#include "zip/ZipCipher.h"
#include "zip/ZipResult.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace zip {

class ZipOutput {
public:
    ZipOutput() = default;
    ~ZipOutput();
    ZipOutput(const ZipOutput&) = delete;
    ZipOutput& operator=(const ZipOutput&) = delete;

    ZRESULT OpenFile(const char* path);
    ZRESULT OpenHandle(platform::FileHandle handle);
    // A null buffer: a private block of that length, kept until the archive is freed.
    ZRESULT OpenMemory(void* buffer, unsigned length);

    // Bytes written: all or (after a failure) fewer. A memory block takes a write only while
    // one byte stays spare. Once an output error has stuck, nothing more is written, so what
    // is in the output never disagrees with the count of bytes written.
    std::size_t Write(const BYTE* data, std::size_t count);
    // Moves to a position counted from the archive's start.
    bool Seek(std::uint64_t position);

    void StartEncrypting(const ZipCipher& cipher) { m_cipher = cipher; }
    void StopEncrypting() { m_cipher.reset(); }

    // An error of the output that refuses everything after it (memory overflow, a seek on an
    // output that cannot seek), or ZIP_OK.
    ZRESULT StickyError() const { return m_stickyError; }
    std::uint64_t InitialOffset() const { return m_initialOffset; }
    bool IsSeekable() const { return m_seekable; }
    bool IsMemory() const { return m_memory != nullptr; }
    void* MemoryBlock() const { return m_memory; }

private:
    platform::FileHandle m_handle = platform::kInvalidFileHandle;
    bool m_ownsHandle = false;
    bool m_seekable = false;
    std::uint64_t m_initialOffset = 0;

    std::unique_ptr<BYTE[]> m_privateBlock;
    BYTE* m_memory = nullptr;
    std::size_t m_position = 0;
    std::size_t m_capacity = 0;

    ZRESULT m_stickyError = ZIP_OK;
    std::optional<ZipCipher> m_cipher;
    std::vector<BYTE> m_scratch;
};

} // namespace zip
