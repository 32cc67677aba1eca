#include "ZipReader.h"


#include <cstdio>
#include <fstream>
#include <sys/wait.h>

std::uint32_t Le32(const std::string& b, std::size_t at)
{
    return static_cast<std::uint32_t>(Le16(b, at)) | static_cast<std::uint32_t>(Le16(b, at + 2)) << 16;
}

unsigned Le16(const std::string& b, std::size_t at)
{
    return static_cast<unsigned char>(b.at(at)) | static_cast<unsigned>(static_cast<unsigned char>(b.at(at + 1))) << 8;
}

ParsedZip ParseZip(const std::string& bytes, std::size_t base)
{
    ParsedZip zip;
    if (bytes.size() < base + 22 || Le32(bytes, bytes.size() - 22) != 0x06054B50) {
        zip.error = "no end record at the end";
        return zip;
    }
    const std::size_t endRecord = bytes.size() - 22;
    const unsigned count = Le16(bytes, endRecord + 10);
    zip.centralSize = Le32(bytes, endRecord + 12);
    zip.centralOffset = Le32(bytes, endRecord + 16);
    if (Le16(bytes, endRecord + 8) != count || Le16(bytes, endRecord + 4) != 0 || Le16(bytes, endRecord + 20) != 0 ||
        zip.centralOffset + zip.centralSize != endRecord) {
        zip.error = "end record fields";
        return zip;
    }
    std::size_t at = zip.centralOffset;
    for (unsigned n = 0; n < count; ++n) {
        if (Le32(bytes, at) != 0x02014B50) {
            zip.error = "central header " + std::to_string(n);
            return zip;
        }
        ParsedEntry e {};
        e.versionMadeBy = Le16(bytes, at + 4);
        e.versionNeeded = Le16(bytes, at + 6);
        e.flags = Le16(bytes, at + 8);
        e.method = Le16(bytes, at + 10);
        e.dosTimestamp = Le32(bytes, at + 12);
        e.crc = Le32(bytes, at + 16);
        e.compressedSize = Le32(bytes, at + 20);
        e.uncompressedSize = Le32(bytes, at + 24);
        const unsigned nameLength = Le16(bytes, at + 28), extraLength = Le16(bytes, at + 30);
        e.commentLength = Le16(bytes, at + 32);
        e.diskStart = Le16(bytes, at + 34);
        e.internalAttributes = Le16(bytes, at + 36);
        e.externalAttributes = Le32(bytes, at + 38);
        e.localHeaderOffset = Le32(bytes, at + 42);
        e.name = bytes.substr(at + 46, nameLength);
        e.extra = bytes.substr(at + 46 + nameLength, extraLength);
        at += 46 + nameLength + extraLength + e.commentLength;

        const std::size_t local = e.localHeaderOffset;
        if (Le32(bytes, local) != 0x04034B50) {
            zip.error = "local header of " + e.name;
            return zip;
        }
        e.localVersionNeeded = Le16(bytes, local + 4);
        e.localFlags = Le16(bytes, local + 6);
        e.localMethod = Le16(bytes, local + 8);
        e.localDosTimestamp = Le32(bytes, local + 10);
        e.localCrc = Le32(bytes, local + 14);
        e.localCompressedSize = Le32(bytes, local + 18);
        e.localUncompressedSize = Le32(bytes, local + 22);
        const unsigned localNameLength = Le16(bytes, local + 26), localExtraLength = Le16(bytes, local + 28);
        e.localName = bytes.substr(local + 30, localNameLength);
        e.localExtra = bytes.substr(local + 30 + localNameLength, localExtraLength);
        const std::size_t data = local + 30 + localNameLength + localExtraLength;
        e.data = bytes.substr(data, e.compressedSize);
        e.end = data + e.compressedSize;
        if (e.localFlags & 8) {
            if (Le32(bytes, e.end) != 0x08074B50) {
                zip.error = "data descriptor of " + e.name;
                return zip;
            }
            e.descriptor = bytes.substr(e.end, 16);
            e.end += 16;
        }
        zip.entries.push_back(e);
    }
    if (at != endRecord)
        zip.error = "central directory size";
    return zip;
}

CommandResult RunCommand(const std::string& command)
{
    CommandResult result {-1, {}};
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool UnzipTestPasses(const std::string& path, const std::string& password)
{
    const std::string passwordOption = password.empty() ? "" : " -P '" + password + "'";
    const CommandResult result = RunCommand("unzip -t -q" + passwordOption + " '" + path + "'");
    return result.status == 0 && result.output.find("No errors detected") != std::string::npos;
}

CommandResult PythonListing(const std::string& path, const std::string& password)
{
    const std::string script = path + ".list.py";
    std::ofstream(script) << "import sys, zipfile\n"
                             "z = zipfile.ZipFile(sys.argv[1])\n"
                             "pwd = sys.argv[2].encode() if len(sys.argv) > 2 else None\n"
                             "for i in z.infolist():\n"
                             "    z.read(i, pwd=pwd)\n"
                             "    print(i.filename, i.flag_bits, i.create_version, i.create_system, i.extract_version,\n"
                             "          i.compress_type, i.CRC, i.compress_size, i.file_size,\n"
                             "          '%d-%02d-%02d %02d:%02d:%02d' % i.date_time, hex(i.external_attr), sep='|')\n";
    const std::string passwordArgument = password.empty() ? "" : " '" + password + "'";
    return RunCommand("python3 '" + script + "' '" + path + "'" + passwordArgument);
}
