#pragma once
// The records of the archive, laid out byte for byte, little-endian.

#include "platform/WinTypes.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace zip {

// What the central directory keeps of one added entry.
struct ZipCentralRecord {
    WORD flags = 0;
    WORD localFlags = 0;          // as the local header holds them
    WORD method = 0;
    DWORD dosTimestamp = 0;       // DOS time in the low half, date in the high half
    DWORD crc = 0;
    DWORD compressedSize = 0;     // with the encryption header
    DWORD uncompressedSize = 0;
    DWORD externalAttributes = 0;
    DWORD localHeaderOffset = 0;
    std::string name;
    std::time_t modificationTime = 0;
    std::time_t accessTime = 0;
    std::time_t creationTime = 0;
};

using RecordBytes = std::vector<BYTE>;

RecordBytes LocalHeader(const ZipCentralRecord& record);
RecordBytes DataDescriptor(const ZipCentralRecord& record);
RecordBytes CentralHeader(const ZipCentralRecord& record);
RecordBytes EndRecord(std::size_t entries, std::uint64_t centralSize, std::uint64_t centralOffset);

} // namespace zip
