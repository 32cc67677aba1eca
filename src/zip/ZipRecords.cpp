#include "zip/ZipRecords.h"

#include "zip/ZipFormat.h"

namespace zip {

using namespace zipformat;

namespace {

class Writer {
public:
    explicit Writer(std::size_t size) { m_bytes.reserve(size); }
    Writer& U16(unsigned value)
    {
        m_bytes.push_back(static_cast<BYTE>(value));
        m_bytes.push_back(static_cast<BYTE>(value >> 8));
        return *this;
    }
    // Sizes, offsets and times keep their low 32 bits: the records hold no more.
    Writer& U32(std::uint64_t value)
    {
        U16(static_cast<unsigned>(value & 0xFFFF));
        return U16(static_cast<unsigned>((value >> 16) & 0xFFFF));
    }
    Writer& U8(unsigned value)
    {
        m_bytes.push_back(static_cast<BYTE>(value));
        return *this;
    }
    Writer& Text(const std::string& text)
    {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    RecordBytes Bytes() { return std::move(m_bytes); }

private:
    RecordBytes m_bytes;
};

std::uint64_t Seconds(std::time_t moment)
{
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(moment));
}

} // namespace

RecordBytes LocalHeader(const ZipCentralRecord& r)
{
    return Writer(kLocalHeaderSize + r.name.size() + kLocalExtraSize)
        .U32(kLocalHeaderSignature)
        .U16(kVersionNeeded)
        .U16(r.localFlags)
        .U16(r.method)
        .U32(r.dosTimestamp)
        .U32(r.crc)
        .U32(r.compressedSize)
        .U32(r.uncompressedSize)
        .U16(static_cast<unsigned>(r.name.size()))
        .U16(kLocalExtraSize)
        .Text(r.name)
        .U16(kTimestampTag)
        .U16(kLocalExtraSize - 4)
        .U8(kTimestampFlags)
        .U32(Seconds(r.modificationTime))
        .U32(Seconds(r.accessTime))
        .U32(Seconds(r.creationTime))
        .Bytes();
}

RecordBytes DataDescriptor(const ZipCentralRecord& r)
{
    return Writer(kDataDescriptorSize)
        .U32(kDataDescriptorSignature)
        .U32(r.crc)
        .U32(r.compressedSize)
        .U32(r.uncompressedSize)
        .Bytes();
}

RecordBytes CentralHeader(const ZipCentralRecord& r)
{
    return Writer(kCentralHeaderSize + r.name.size() + kCentralExtraSize)
        .U32(kCentralHeaderSignature)
        .U16(kVersionMadeBy)
        .U16(kVersionNeeded)
        .U16(r.flags)
        .U16(r.method)
        .U32(r.dosTimestamp)
        .U32(r.crc)
        .U32(r.compressedSize)
        .U32(r.uncompressedSize)
        .U16(static_cast<unsigned>(r.name.size()))
        .U16(kCentralExtraSize)
        .U16(0)    // comment length
        .U16(0)    // disk number start
        .U16(0)    // internal attributes
        .U32(r.externalAttributes)
        .U32(r.localHeaderOffset)
        .Text(r.name)
        .U16(kTimestampTag)
        .U16(kCentralExtraSize - 4)
        .U8(kTimestampFlags)
        .U32(Seconds(r.modificationTime))
        .Bytes();
}

RecordBytes EndRecord(std::size_t entries, std::uint64_t centralSize, std::uint64_t centralOffset)
{
    return Writer(kEndRecordSize)
        .U32(kEndRecordSignature)
        .U16(0)    // this disk
        .U16(0)    // disk of the central directory
        .U16(static_cast<unsigned>(entries))
        .U16(static_cast<unsigned>(entries))
        .U32(centralSize)
        .U32(centralOffset)
        .U16(0)    // comment length
        .Bytes();
}

} // namespace zip
