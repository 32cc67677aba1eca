#include "zip/ZipArchive.h"

#include "zip/ZipCipher.h"
#include "zip/ZipFormat.h"

#include <algorithm>
#include <chrono>
#include <new>
#include <random>
#include <strings.h>

namespace zip {

using namespace zipformat;

namespace {

// Names whose data is compressed already are stored.
bool HasCompressedExtension(const std::string& name)
{
    static const char* const extensions[] = {".Z", ".zip", ".zoo", ".arc", ".lzh", ".arj", ".gz", ".tgz"};
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    const char* extension = name.c_str() + dot;
    return std::any_of(std::begin(extensions), std::end(extensions),
                       [extension](const char* e) { return ::strcasecmp(extension, e) == 0; });
}

} // namespace

ZipArchive::ZipArchive(const char* password) : m_password(password ? password : "") {}

ZRESULT ZipArchive::WriteFailure() const
{
    return m_output.StickyError() != ZIP_OK ? m_output.StickyError() : ZIP_ERR_WRITE;
}

ZRESULT ZipArchive::OpenSource(const EntrySource& source)
{
    switch (source.kind) {
    case SourceKind::Handle:
        return m_source.OpenHandle(source.handle, source.length);
    case SourceKind::File:
        return m_source.OpenFile(source.path);
    case SourceKind::Memory:
        return m_source.OpenMemory(source.data, source.length);
    case SourceKind::Folder:
        m_source.OpenFolder();
        return ZIP_OK;
    }
    return ZIP_ERR_ARGS;
}

// Eleven random bytes and a check byte, which a reader decrypts first to test the password.
// With the sizes in a data descriptor the check byte is the high byte of the DOS time.
bool ZipArchive::WriteEncryptionHeader(DWORD dosTimestamp)
{
    ZipCipher cipher(m_password);
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch() / std::chrono::milliseconds(1);
    std::minstd_rand generator(static_cast<unsigned>(ticks) ^ std::random_device{}());
    BYTE header[kEncryptionHeaderSize];
    for (BYTE& b : header)
        b = static_cast<BYTE>((generator() >> 7) & 0xFF);
    header[kEncryptionHeaderSize - 1] = static_cast<BYTE>(dosTimestamp >> 8);
    cipher.Encrypt(header, sizeof header);
    if (m_output.Write(header, sizeof header) != sizeof header)
        return false;
    m_bytesWritten += sizeof header;
    m_output.StartEncrypting(cipher);
    return true;
}

bool ZipArchive::CopyStored(std::uint64_t& written)
{
    for (;;) {
        const long n = m_source.Read(m_buffer.data(), kEntryBufferSize);
        if (n <= 0)
            return true;
        if (m_output.Write(m_buffer.data(), static_cast<std::size_t>(n)) != static_cast<std::size_t>(n))
            return false;
        written += static_cast<std::uint64_t>(n);
    }
}

ZRESULT ZipArchive::Add(const char* name, const EntrySource& source)
{
    if (m_output.StickyError() != ZIP_OK)
        return ZIP_ERR_PREVIOUS_ERROR;
    if (m_ended)
        return ZIP_ERR_ENDED;
    const bool folder = source.kind == SourceKind::Folder;
    const bool encrypted = !m_password.empty() && !folder;
    const unsigned extraHeader = encrypted ? kEncryptionHeaderSize : 0;

    // Everything that can refuse the entry does so before a byte is written.
    if (name == nullptr || *name == '\0')
        return ZIP_ERR_ARGS;
    ZipCentralRecord record;
    record.name = name;
    std::replace(record.name.begin(), record.name.end(), '\\', '/');
    if (folder && record.name.back() != '/')
        record.name += '/';
    if (record.name.size() > kMaxNameLength || m_records.size() >= kMaxEntries)
        return ZIP_ERR_ARGS;
    record.method = folder || HasCompressedExtension(record.name) ? kMethodStored : kMethodDeflated;
    if (record.method == kMethodDeflated && !m_deflate) {
        m_deflate.reset(new (std::nothrow) ZipDeflateState);
        if (!m_deflate)
            return ZIP_ERR_ALLOC;
    }
    if (const ZRESULT opened = OpenSource(source); opened != ZIP_OK)
        return opened;

    const std::int64_t anticipated = m_source.AnticipatedSize();
    const std::uint64_t headerPosition = m_bytesWritten;
    if (anticipated > static_cast<std::int64_t>(kMaxRecordValue - extraHeader) ||
        headerPosition + m_output.InitialOffset() > kMaxRecordValue) {
        m_source.Close();
        return ZIP_ERR_ARGS;
    }
    record.flags = record.localFlags = kFlagDataDescriptor | (encrypted ? kFlagEncrypted : 0);
    record.dosTimestamp = m_source.DosTimestamp();
    record.compressedSize =
        record.method == kMethodStored && anticipated >= 0 ? static_cast<DWORD>(anticipated) + extraHeader : 0;
    // An unknown size is 0 here: all ones would announce Zip64 sizes to a reader.
    record.uncompressedSize = anticipated >= 0 ? static_cast<DWORD>(anticipated) : 0;
    record.externalAttributes = m_source.Attributes();
    record.localHeaderOffset = static_cast<DWORD>(headerPosition + m_output.InitialOffset());
    record.modificationTime = m_source.ModificationTime();
    record.accessTime = m_source.AccessTime();
    record.creationTime = m_source.CreationTime();
    const DWORD announcedSize = record.compressedSize;

    const RecordBytes header = LocalHeader(record);
    if (!Emit(header) || (encrypted && !WriteEncryptionHeader(record.dosTimestamp))) {
        m_source.Close();
        return WriteFailure();
    }
    m_bytesWritten += header.size();

    std::uint64_t compressed = 0;
    bool dataWritten = true;
    if (record.method == kMethodDeflated) {
        dataWritten = m_deflate->Deflate(*this, m_buffer.data(), kEntryBufferSize, kZipDeflateLevel,
                                                      record.flags, compressed) == ZIP_OK;
    } else if (!folder) {
        dataWritten = CopyStored(compressed);
    }
    m_output.StopEncrypting();
    m_source.Close();
    m_bytesWritten += compressed;
    if (m_output.StickyError() != ZIP_OK)
        return m_output.StickyError();
    if (!dataWritten)
        return ZIP_ERR_WRITE;
    if (m_source.ReadFailed())
        return ZIP_ERR_READ;
    // A source of unknown size can still turn out too large; the entry is then not recorded.
    if (compressed + extraHeader > kMaxRecordValue || m_source.BytesRead() > kMaxRecordValue)
        return ZIP_ERR_ARGS;

    record.crc = m_source.Crc();
    record.compressedSize = static_cast<DWORD>(compressed + extraHeader);
    record.uncompressedSize = static_cast<DWORD>(m_source.BytesRead());
    if (m_output.IsSeekable() && !encrypted) {
        // Sizes and CRC go into the local header itself: no descriptor needed.
        record.flags = record.localFlags = static_cast<WORD>(record.flags & ~kFlagDataDescriptor);
        if (!m_output.Seek(headerPosition))
            return ZIP_INTERNAL_UNSEEKABLE;
        if (!Emit(LocalHeader(record)))
            return WriteFailure();
        if (!m_output.Seek(m_bytesWritten))
            return ZIP_INTERNAL_UNSEEKABLE;
    } else {
        // A reader of a stored entry finds its end only by the size in the local header.
        if (record.method == kMethodStored && record.compressedSize != announcedSize)
            return ZIP_INTERNAL_CHANGE_MIND;
        if (!Emit(DataDescriptor(record)))
            return WriteFailure();
        m_bytesWritten += kDataDescriptorSize;
        record.flags = record.localFlags;
    }
    if (m_output.StickyError() != ZIP_OK)
        return m_output.StickyError();
    m_records.push_back(std::move(record));
    return ZIP_OK;
}

ZRESULT ZipArchive::AddCentral()
{
    const std::uint64_t start = m_bytesWritten;
    if (start + m_output.InitialOffset() > kMaxRecordValue)
        return ZIP_ERR_ARGS;
    bool written = true;
    for (const ZipCentralRecord& record : m_records) {
        written = written && Emit(CentralHeader(record));
        m_bytesWritten += kCentralHeaderSize + record.name.size() + kCentralExtraSize;
    }
    const std::size_t entries = m_records.size();
    m_records.clear();
    if (!written)
        return WriteFailure();
    if (!Emit(EndRecord(entries, m_bytesWritten - start, start + m_output.InitialOffset())))
        return WriteFailure();
    m_bytesWritten += kEndRecordSize;
    return ZIP_OK;
}

ZRESULT ZipArchive::End()
{
    if (m_ended)
        return ZIP_OK;
    m_ended = true;
    return AddCentral();
}

} // namespace zip
