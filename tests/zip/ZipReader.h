#pragma once
// Test-side readers of our archives: a byte-for-byte record parser written from the format
// description, and the outside readers (unzip, Python's zipfile) run as child processes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ParsedEntry {
    // Central directory header.
    unsigned versionMadeBy, versionNeeded, flags, method;
    std::uint32_t dosTimestamp, crc, compressedSize, uncompressedSize;
    unsigned commentLength, diskStart, internalAttributes;
    std::uint32_t externalAttributes, localHeaderOffset;
    std::string name, extra;
    // Local header.
    unsigned localVersionNeeded, localFlags, localMethod;
    std::uint32_t localDosTimestamp, localCrc, localCompressedSize, localUncompressedSize;
    std::string localName, localExtra;
    std::string data;                             // the entry's bytes as stored
    std::optional<std::string> descriptor;        // the 16 bytes of a data descriptor
    std::size_t end;                              // offset after the entry in the archive bytes
};

struct ParsedZip {
    std::string error;                            // empty when every record was where it belongs
    std::vector<ParsedEntry> entries;
    std::uint32_t centralSize = 0, centralOffset = 0;
};

// bytes: the archive, preceded by `base` bytes of other data that its offsets count.
ParsedZip ParseZip(const std::string& bytes, std::size_t base = 0);

std::uint32_t Le32(const std::string& bytes, std::size_t at);
unsigned Le16(const std::string& bytes, std::size_t at);

struct CommandResult {
    int status;
    std::string output;
};
CommandResult RunCommand(const std::string& command);

// `unzip -t` of the archive; true when it reports no errors.
bool UnzipTestPasses(const std::string& path, const std::string& password = "");

// Python's zipfile reads every entry (checking its CRC) and lists, one line per entry:
// name|flags|create_version|create_system|extract_version|method|crc|compressed|size|date time|external attributes
// The status is not 0 when reading failed.
CommandResult PythonListing(const std::string& path, const std::string& password = "");
