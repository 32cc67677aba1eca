#pragma once
// Numbers fixed by the zip container (PKWARE's application note) and by the deflate format
// (RFC 1951). Nothing here may be tuned: readers depend on every value.

#include "platform/WinTypes.h"

#include <array>
#include <cstdint>

namespace zipformat {

// Record signatures, "PK" followed by two bytes, as little-endian numbers.
constexpr DWORD kLocalHeaderSignature = 0x04034B50;
constexpr DWORD kDataDescriptorSignature = 0x08074B50;
constexpr DWORD kCentralHeaderSignature = 0x02014B50;
constexpr DWORD kEndRecordSignature = 0x06054B50;

constexpr unsigned kLocalHeaderSize = 30;      // before the name
constexpr unsigned kCentralHeaderSize = 46;    // before the name
constexpr unsigned kDataDescriptorSize = 16;
constexpr unsigned kEndRecordSize = 22;

// The extended-timestamp extra field: "UT", data size, flags, then seconds since 1970.
constexpr WORD kTimestampTag = 0x5455;
constexpr BYTE kTimestampFlags = 7;            // modification, access and creation times
constexpr unsigned kLocalExtraSize = 17;       // all three times
constexpr unsigned kCentralExtraSize = 9;      // the modification time only

constexpr WORD kVersionMadeBy = 0x0B17;
constexpr WORD kVersionNeeded = 20;            // deflate and traditional encryption

constexpr WORD kMethodStored = 0;
constexpr WORD kMethodDeflated = 8;

// General-purpose flag bits.
constexpr WORD kFlagEncrypted = 0x0001;
constexpr WORD kFlagMaximumCompression = 0x0002;
constexpr WORD kFlagFastCompression = 0x0004;
constexpr WORD kFlagDataDescriptor = 0x0008;

constexpr unsigned kEncryptionHeaderSize = 12;

// Limits of the record fields.
constexpr unsigned kMaxEntries = 0xFFFF;       // the end record counts entries in 16 bits
constexpr unsigned kMaxNameLength = 259;       // bytes, a folder's closing "/" included
// Sizes and offsets are 32 bits without Zip64: past this they would wrap and readers would
// find wrong data and a bad CRC, so such an entry is refused.
constexpr std::uint64_t kMaxRecordValue = 0xFFFFFFFFu;

// External attributes: DOS bits in the low byte, a Unix file type and mode in the high half.
constexpr DWORD kDosReadOnly = 0x01;
constexpr DWORD kDosDirectory = 0x10;
constexpr DWORD kUnixDirectory = 0x40000000;
constexpr DWORD kUnixRegularFile = 0x80000000;
constexpr DWORD kUnixOwnerRead = 0x01000000;
constexpr DWORD kUnixOwnerWrite = 0x00800000;
constexpr DWORD kStreamAttributes = kUnixRegularFile;  // a source with no file behind it
constexpr DWORD kFolderAttributes = 0x41C00010;

// DOS dates count years from 1980 in seven bits.
constexpr int kDosFirstYear = 1980;
constexpr int kDosLastYear = 2107;

// Deflate symbols and codes.
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr unsigned kMaxDistanceOfFormat = 32768;
constexpr int kLiterals = 256;
constexpr int kEndOfBlock = 256;
constexpr int kLengthCodes = 29;
constexpr int kLiteralLengthCodes = kLiterals + 1 + kLengthCodes;   // 286
constexpr int kStaticLiteralCodes = 288;       // two more that never occur, for a full code
constexpr int kDistanceCodes = 30;
constexpr int kBitLengthCodes = 19;
constexpr int kMaxCodeLength = 15;
constexpr int kMaxBitLengthCodeLength = 7;

// Block types, sent after the last-block bit.
constexpr unsigned kStoredBlock = 0;
constexpr unsigned kStaticBlock = 1;
constexpr unsigned kDynamicBlock = 2;

// Code-length alphabet: repeat the previous length 3 to 6 times, zeros 3 to 10, zeros 11 to 138.
constexpr int kRepeatPrevious = 16;
constexpr int kRepeatZeros = 17;
constexpr int kRepeatManyZeros = 18;

constexpr std::array<BYTE, kLengthCodes> kLengthExtraBits = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<BYTE, kDistanceCodes> kDistanceExtraBits = {
    0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr std::array<BYTE, kBitLengthCodes> kBitLengthExtraBits = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 3, 7};
// The order in which the code-length code lengths are sent.
constexpr std::array<BYTE, kBitLengthCodes> kBitLengthOrder = {
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

} // namespace zipformat
