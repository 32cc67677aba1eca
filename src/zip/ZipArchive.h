#pragma once
// One archive being written: entries added one at a time, each compressed or stored and
// optionally encrypted, then the central directory and the end record.

#include "zip/DeflateBitWriter.h"
#include "zip/ZipDeflate.h"
#include "zip/ZipOutput.h"
#include "zip/ZipRecords.h"
#include "zip/ZipSource.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace zip {

// Kinds of source an entry is added from.
enum class SourceKind { Handle = 1, File = 2, Memory = 3, Folder = 4 };

struct EntrySource {
    SourceKind kind;
    const char* path = nullptr;
    platform::FileHandle handle = platform::kInvalidFileHandle;
    const void* data = nullptr;
    DWORD length = 0;
};

// The read buffer of stored entries and the output buffer of the compressor.
constexpr unsigned kEntryBufferSize = 16384;

class ZipArchive final : private DeflateIo {
public:
    // A null or empty password: no encryption.
    explicit ZipArchive(const char* password);

    ZipOutput& Output() { return m_output; }

    ZRESULT Add(const char* name, const EntrySource& source);
    // Writes the central directory and the end record, once; later adds are refused.
    ZRESULT End();
    bool Ended() const { return m_ended; }
    std::uint64_t BytesWritten() const { return m_bytesWritten; }

private:
    long Read(BYTE* buffer, unsigned size) override { return m_source.Read(buffer, size); }
    bool Flush(const BYTE* data, unsigned count) override { return m_output.Write(data, count) == count; }

    ZRESULT OpenSource(const EntrySource& source);
    bool Emit(const RecordBytes& bytes) { return m_output.Write(bytes.data(), bytes.size()) == bytes.size(); }
    // The result of a failed write: what stuck to the output, else a plain write error.
    ZRESULT WriteFailure() const;
    bool WriteEncryptionHeader(DWORD dosTimestamp);
    bool CopyStored(std::uint64_t& written);
    ZRESULT AddCentral();

    std::string m_password;
    ZipOutput m_output;
    ZipSource m_source;
    std::unique_ptr<ZipDeflateState> m_deflate;   // made at the first deflated entry
    std::vector<ZipCentralRecord> m_records;
    std::uint64_t m_bytesWritten = 0;
    bool m_ended = false;
    std::array<BYTE, kEntryBufferSize> m_buffer {};
};

} // namespace zip
