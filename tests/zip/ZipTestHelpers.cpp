#include "ZipTestHelpers.h"

#include "ZlibReference.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string ListingLine(const ParsedEntry& e)
{
    const unsigned date = e.dosTimestamp >> 16, time = e.dosTimestamp & 0xFFFF;
    char when[32];
    std::snprintf(when, sizeof when, "%u-%02u-%02u %02u:%02u:%02u", 1980 + (date >> 9), (date >> 5) & 15, date & 31,
                  time >> 11, (time >> 5) & 63, (time & 31) * 2);
    char attributes[16];
    std::snprintf(attributes, sizeof attributes, "0x%x", static_cast<unsigned>(e.externalAttributes));
    return e.name + "|" + std::to_string(e.flags) + "|" + std::to_string(e.versionMadeBy & 0xFF) + "|" +
           std::to_string(e.versionMadeBy >> 8) + "|" + std::to_string(e.versionNeeded) + "|" +
           std::to_string(e.method) + "|" + std::to_string(e.crc) + "|" + std::to_string(e.compressedSize) + "|" +
           std::to_string(e.uncompressedSize) + "|" + when + "|" + attributes;
}

ParsedZip ExpectReadableByAll(const std::string& path, std::size_t base, const std::string& password)
{
    const ParsedZip zip = ParseZip(FileBytes(path), base);
    EXPECT_EQ(zip.error, "");
    std::string listing;
    for (const ParsedEntry& e : zip.entries) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.versionMadeBy, 0x0B17u);
        EXPECT_EQ(e.versionNeeded, 20u);
        EXPECT_EQ(e.commentLength + e.diskStart + e.internalAttributes, 0u);
        EXPECT_EQ(e.localName, e.name);
        EXPECT_EQ(e.localVersionNeeded, 20u);
        EXPECT_EQ(e.localFlags, e.flags);
        EXPECT_EQ(e.localMethod, e.method);
        EXPECT_EQ(e.localDosTimestamp, e.dosTimestamp);
        // The extended timestamp: all three times locally, the modification time centrally.
        EXPECT_EQ(e.localExtra.size(), 17u);
        EXPECT_EQ(e.localExtra.substr(0, 5), std::string("UT\x0D\x00\x07", 5));
        EXPECT_EQ(e.extra, std::string("UT\x05\x00\x07", 5) + e.localExtra.substr(5, 4));
        if (e.descriptor) {
            EXPECT_EQ(Le32(*e.descriptor, 4), e.crc);
            EXPECT_EQ(Le32(*e.descriptor, 8), e.compressedSize);
            EXPECT_EQ(Le32(*e.descriptor, 12), e.uncompressedSize);
        } else {
            EXPECT_EQ(e.localCrc, e.crc);
            EXPECT_EQ(e.localCompressedSize, e.compressedSize);
            EXPECT_EQ(e.localUncompressedSize, e.uncompressedSize);
        }
        if (!(e.flags & 1)) {
            const std::string content = e.method == 8 ? zlibref::InflateRaw(e.data).data : e.data;
            if (e.method == 8) {
                EXPECT_TRUE(zlibref::InflateRaw(e.data).endedExactly);
            }
            EXPECT_EQ(content.size(), e.uncompressedSize);
            EXPECT_EQ(zlibref::Crc32(content), e.crc);
        }
        listing += ListingLine(e) + "\n";
    }
    EXPECT_TRUE(UnzipTestPasses(path, password)) << RunCommand("unzip -t '" + path + "'").output;
    const CommandResult python = PythonListing(path, password);
    EXPECT_EQ(python.status, 0) << python.output;
    EXPECT_EQ(python.output, listing);
    return zip;
}
