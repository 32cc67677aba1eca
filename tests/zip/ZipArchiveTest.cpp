// Archives written by the zip writer, read back by readers we did not write (zlib, unzip,
// Python's zipfile) and by a record parser of the tests.
#include "DeflateIoForTests.h"
#include "SampleInputs.h"
#include "ZipTestHelpers.h"
#include "ZlibReference.h"
#include "platform/Clock.h"
#include "support/TempFolder.h"
#include "zip/Zip.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

std::string AloneCompressed(const std::string& input)
{
    zip::ZipDeflateState fresh;
    return Compress(fresh, input).stream;
}

// A pipe whose read end a thread drains into `bytes` until the write end is closed.
class PipeSink {
public:
    PipeSink()
    {
        int ends[2];
        EXPECT_EQ(::pipe(ends), 0);
        m_read = ends[0];
        writeEnd = ends[1];
        m_reader = std::thread([this] {
            char buffer[4096];
            ssize_t n;
            while ((n = ::read(m_read, buffer, sizeof buffer)) > 0)
                bytes.append(buffer, static_cast<size_t>(n));
        });
    }
    std::string Finish()
    {
        ::close(writeEnd);
        m_reader.join();
        ::close(m_read);
        return bytes;
    }
    int writeEnd;
    std::string bytes;

private:
    int m_read;
    std::thread m_reader;
};

// A pipe already holding the data, its write end closed: a source that cannot seek.
int PipeSource(const std::string& data)
{
    int ends[2];
    EXPECT_EQ(::pipe(ends), 0);
    EXPECT_EQ(::write(ends[1], data.data(), data.size()), static_cast<ssize_t>(data.size()));
    ::close(ends[1]);
    return ends[0];
}

void SetModificationTime(const std::string& path, time_t modified, time_t accessed)
{
    const timespec times[2] = {{accessed, 0}, {modified, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

} // namespace

TEST(ZipResult, MessagesAreCutToTheBufferAndCodeOneIsTheLastResult)
{
    char text[64];
    EXPECT_EQ(ZipFormatMessage(ZIP_ERR_WRITE, text, 6), 21u);
    EXPECT_STREQ(text, "Error");
    EXPECT_EQ(ZipFormatMessage(ZIP_ERR_MEMORY_TOO_SMALL, nullptr, 0), 53u);
    ZipFormatMessage(0x12345, text, sizeof text);
    EXPECT_STREQ(text, "unknown zip result code");

    EXPECT_EQ(ZipAddFolder(nullptr, "x"), ZIP_ERR_ARGS);
    ZipFormatMessage(ZIP_LAST_RESULT, text, sizeof text);
    EXPECT_STREQ(text, "Caller: faulty arguments");
}

TEST(ZipHandle, NullAndForeignHandlesAreRefused)
{
    ZipHandle foreign {1, nullptr};
    void* block = &foreign;
    unsigned long length = 7;
    EXPECT_EQ(ZipGetMemory(nullptr, &block, &length), ZIP_ERR_ARGS);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(ZipClose(nullptr), ZIP_ERR_ARGS);
    EXPECT_EQ(ZipAddMemory(&foreign, "a", "b", 1), ZIP_ERR_MIXED_MODE);
    EXPECT_EQ(ZipClose(&foreign), ZIP_ERR_MIXED_MODE);
    EXPECT_FALSE(ZipIsHandle(&foreign));
    EXPECT_FALSE(ZipIsHandle(nullptr));
    EXPECT_EQ(ZipCreateMemory(nullptr, 0, nullptr), nullptr);
    EXPECT_EQ(g_zipLastResult, ZIP_ERR_MEMORY_TOO_SMALL);
    EXPECT_EQ(ZipCreateFile("/no/such/folder/a.zip", nullptr), nullptr);
    EXPECT_EQ(g_zipLastResult, ZIP_ERR_OPEN_FILE);
}

TEST(ZipArchive, PackagePartsOnAFileAreReadBackByEveryReader)
{
    TempFolder folder;
    const std::vector<std::pair<std::string, std::string>> parts = {
        {"[Content_Types].xml", samples::DiaryBody(1).substr(0, 900)},
        {"word\\document.xml", samples::DiaryBody(300000)},
        {"word/media/pack.ZIP", samples::RandomBytes(3000, 1)},
        {"word/media/a.tgz", "not really gzip"},
        {"word/media/b.zipx", samples::PlainText(5000, 2)},
        {"README", samples::PlainText(2000, 3)},
        {"empty.xml", ""},
        {"random.bin", samples::RandomBytes(70000, 4)},
    };
    ZipHandle* zip = ZipCreateFile(folder.File("out.docx").c_str(), nullptr);
    ASSERT_TRUE(ZipIsHandle(zip));
    EXPECT_EQ(ZipAddFolder(zip, "word"), ZIP_OK);
    EXPECT_EQ(ZipAddFile(zip, "customXml", nullptr), ZIP_ERR_ARGS) << "a folder given without a path adds nothing";
    EXPECT_EQ(ZipAddFile(zip, "missing.xml", folder.File("missing.xml").c_str()), ZIP_ERR_OPEN_FILE);
    for (std::size_t n = 0; n < parts.size(); ++n) {
        folder.Write("part" + std::to_string(n), parts[n].second);
        EXPECT_EQ(ZipAddFile(zip, parts[n].first.c_str(), folder.File("part" + std::to_string(n)).c_str()), ZIP_OK);
    }
    EXPECT_EQ(ZipClose(zip), ZIP_OK);

    const ParsedZip archive = ExpectReadableByAll(folder.File("out.docx"));
    ASSERT_EQ(archive.entries.size(), parts.size() + 1);
    const ParsedEntry& word = archive.entries[0];
    EXPECT_EQ(word.name, "word/");
    EXPECT_EQ(word.method + word.flags + word.crc + word.compressedSize + word.uncompressedSize, 0u);
    EXPECT_EQ(word.externalAttributes, 0x41C00010u);
    EXPECT_EQ(word.localHeaderOffset, 0u);
    const std::vector<std::string> names = {"[Content_Types].xml", "word/document.xml", "word/media/pack.ZIP",
                                            "word/media/a.tgz", "word/media/b.zipx", "README", "empty.xml",
                                            "random.bin"};
    for (std::size_t n = 0; n < parts.size(); ++n) {
        const ParsedEntry& e = archive.entries[n + 1];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.name, names[n]);
        EXPECT_EQ(e.localHeaderOffset, archive.entries[n].end) << "entries follow each other";
        EXPECT_FALSE(e.descriptor.has_value());
        EXPECT_EQ(e.externalAttributes, 0x81800000u) << "a writable regular file";
        const bool stored = n == 2 || n == 3;
        EXPECT_EQ(e.method, stored ? 0u : 8u);
        EXPECT_EQ(e.flags, stored ? 0u : 2u);
        EXPECT_TRUE(e.data == (stored ? parts[n].second : AloneCompressed(parts[n].second)))
            << "each entry as the compressor makes it alone";
    }
    EXPECT_EQ(archive.entries[7].data, std::string("\x03\x00", 2));
    EXPECT_EQ(archive.centralOffset, archive.entries.back().end);
}

TEST(ZipArchive, AnArchiveWithoutEntriesIsTheEndRecordAlone)
{
    std::vector<char> exact(22), roomy(23);
    ZipHandle* tooSmall = ZipCreateMemory(exact.data(), 22, nullptr);
    EXPECT_EQ(ZipGetMemory(tooSmall, nullptr, nullptr), ZIP_ERR_MEMORY_TOO_SMALL) << "one byte must stay spare";
    EXPECT_EQ(ZipClose(tooSmall), ZIP_OK);

    ZipHandle* zip = ZipCreateMemory(roomy.data(), 23, nullptr);
    void* block = nullptr;
    unsigned long length = 0;
    EXPECT_EQ(ZipGetMemory(zip, &block, &length), ZIP_OK);
    EXPECT_EQ(block, roomy.data());
    EXPECT_EQ(std::string(roomy.data(), length), std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    EXPECT_EQ(ZipAddFolder(zip, "late"), ZIP_ERR_ENDED);
    EXPECT_EQ(ZipClose(zip), ZIP_OK);
}

TEST(ZipArchive, AHandleThatHoldsDataAlreadyShiftsEveryOffset)
{
    TempFolder folder;
    const int fd = ::open(folder.File("a.zip").c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    ASSERT_EQ(::write(fd, std::string(100, '#').data(), 100), 100);
    ZipHandle* zip = ZipCreateHandle(fd, nullptr);
    const std::string text = samples::PlainText(40000, 5);
    EXPECT_EQ(ZipAddMemory(zip, "a.txt", text.data(), static_cast<DWORD>(text.size())), ZIP_OK);
    EXPECT_EQ(ZipAddMemory(zip, "b.zip", "stored", 6), ZIP_OK);
    EXPECT_EQ(ZipClose(zip), ZIP_OK);
    EXPECT_EQ(::write(fd, "", 0), 0) << "the caller's handle stays open";
    ::close(fd);

    const ParsedZip archive = ExpectReadableByAll(folder.File("a.zip"), 100);
    ASSERT_EQ(archive.entries.size(), 2u);
    EXPECT_EQ(archive.entries[0].localHeaderOffset, 100u);
    EXPECT_EQ(archive.entries[1].localHeaderOffset, archive.entries[0].end);
    EXPECT_EQ(archive.entries[0].externalAttributes, 0x80000000u) << "memory has no file attributes";
}

TEST(ZipArchive, AnOutputThatCannotSeekGetsDataDescriptors)
{
    TempFolder folder;
    PipeSink sink;
    ZipHandle* zip = ZipCreateHandle(sink.writeEnd, nullptr);
    const std::string text = samples::DiaryBody(100000);
    EXPECT_EQ(ZipAddMemory(zip, "doc.xml", text.data(), static_cast<DWORD>(text.size())), ZIP_OK);
    EXPECT_EQ(ZipAddMemory(zip, "inner.zip", "known size", 10), ZIP_OK);
    EXPECT_EQ(ZipAddFolder(zip, "docProps/"), ZIP_OK);
    EXPECT_EQ(ZipAddHandleLen(zip, "stream.txt", PipeSource("from a pipe"), 11), ZIP_OK);
    EXPECT_EQ(ZipClose(zip), ZIP_OK);
    folder.Write("piped.zip", sink.Finish());

    const ParsedZip archive = ExpectReadableByAll(folder.File("piped.zip"));
    ASSERT_EQ(archive.entries.size(), 4u);
    for (const ParsedEntry& e : archive.entries) {
        EXPECT_EQ(e.flags, 8u) << e.name << ": the local flags as first written";
        EXPECT_TRUE(e.descriptor.has_value()) << e.name;
    }
    EXPECT_EQ(archive.entries[1].localCompressedSize, 10u) << "a stored entry announces its size";
    EXPECT_EQ(archive.entries[0].localUncompressedSize, text.size());
    EXPECT_EQ(archive.entries[3].localUncompressedSize, 11u);

    PipeSink second;
    ZipHandle* unsized = ZipCreateHandle(second.writeEnd, nullptr);
    EXPECT_EQ(ZipAddHandle(unsized, "x.zip", PipeSource("unknown size")), ZIP_INTERNAL_CHANGE_MIND)
        << "a stored entry of unknown size cannot be read back without its size up front";
    ZipClose(unsized);
    const std::string bytes = second.Finish();
    EXPECT_EQ(Le32(bytes, 22), 0u) << "an unknown size is written as 0, never as the Zip64 marker";
}

TEST(ZipArchive, SourcesThatCannotSeekAreSizedAfterReading)
{
    TempFolder folder;
    ZipHandle* zip = ZipCreateFile(folder.File("s.zip").c_str(), nullptr);
    const std::string text = samples::PlainText(30000, 6);
    EXPECT_EQ(ZipAddHandle(zip, "deflated.txt", PipeSource(text)), ZIP_OK);
    EXPECT_EQ(ZipAddHandle(zip, "stored.gz", PipeSource(text)), ZIP_OK);
    EXPECT_EQ(ZipAddHandle(zip, "bad.txt", -1), ZIP_ERR_ARGS);
    EXPECT_EQ(ZipClose(zip), ZIP_OK);
    const ParsedZip archive = ExpectReadableByAll(folder.File("s.zip"));
    ASSERT_EQ(archive.entries.size(), 2u);
    for (const ParsedEntry& e : archive.entries) {
        EXPECT_EQ(e.uncompressedSize, text.size());
        EXPECT_EQ(e.externalAttributes, 0x80000000u);
        EXPECT_FALSE(e.descriptor.has_value());
    }
}

TEST(ZipArchive, FileTimesAndAttributesComeFromTheSource)
{
    TempFolder folder;
    folder.Write("old.txt", "written long ago");
    folder.Write("fixed.txt", "read only");
    // 2021-06-15 10:20:31 UTC; and a moment of 1975, before DOS dates begin.
    SetModificationTime(folder.File("fixed.txt"), 1623752431, 1623752400);
    SetModificationTime(folder.File("old.txt"), 173000000, 173000000);
    ASSERT_EQ(::chmod(folder.File("fixed.txt").c_str(), 0444), 0);
    ZipHandle* zip = ZipCreateFile(folder.File("t.zip").c_str(), nullptr);
    EXPECT_EQ(ZipAddFile(zip, "fixed.txt", folder.File("fixed.txt").c_str()), ZIP_OK);
    EXPECT_EQ(ZipAddFile(zip, "old.txt", folder.File("old.txt").c_str()), ZIP_OK);
    EXPECT_EQ(ZipClose(zip), ZIP_OK);

    const ParsedZip archive = ExpectReadableByAll(folder.File("t.zip"));
    ASSERT_EQ(archive.entries.size(), 2u);
    const ParsedEntry& fixed = archive.entries[0];
    EXPECT_EQ(fixed.dosTimestamp & 0xFFFF, (10u << 11) | (20u << 5) | 15u);
    EXPECT_EQ(fixed.dosTimestamp >> 16, ((2021u - 1980u) << 9) | (6u << 5) | 15u);
    EXPECT_EQ(Le32(fixed.localExtra, 5), 1623752431u);
    EXPECT_EQ(Le32(fixed.localExtra, 9), 1623752400u);
    EXPECT_EQ(fixed.externalAttributes, 0x81000001u) << "read-only: no owner write bit, DOS read-only bit";
    EXPECT_EQ(archive.entries[1].dosTimestamp, (1u << 5 | 1u) << 16) << "clamped to 1980-01-01 00:00:00";
    EXPECT_EQ(Le32(archive.entries[1].localExtra, 5), 173000000u);
}

TEST(ZipArchive, EntriesWithoutAFileTakeTheLocalClockCountedAsUtc)
{
    const char* zone = std::getenv("TZ");
    const std::string previous = zone ? zone : "";
    ::setenv("TZ", "XYZ-2", 1);   // two hours east of UTC
    ::tzset();
    platform::SetFixedClock(1623752431);   // 2021-06-15 10:20:31 UTC, 12:20:31 here
    std::vector<char> block(4096);
    ZipHandle* zip = ZipCreateMemory(block.data(), 4096, nullptr);
    EXPECT_EQ(ZipAddMemory(zip, "m.txt", "memory", 6), ZIP_OK);
    EXPECT_EQ(ZipAddFolder(zip, "f"), ZIP_OK);
    unsigned long length = 0;
    EXPECT_EQ(ZipGetMemory(zip, nullptr, &length), ZIP_OK);
    EXPECT_EQ(ZipClose(zip), ZIP_OK);
    platform::ClearFixedClock();
    zone ? ::setenv("TZ", previous.c_str(), 1) : ::unsetenv("TZ");
    ::tzset();

    const ParsedZip archive = ParseZip(std::string(block.data(), length));
    ASSERT_EQ(archive.entries.size(), 2u);
    for (const ParsedEntry& e : archive.entries) {
        EXPECT_EQ(e.dosTimestamp & 0xFFFF, (12u << 11) | (20u << 5) | 15u) << e.name;
        EXPECT_EQ(Le32(e.extra, 5), 1623752431u + 7200u) << e.name;
    }
}

TEST(ZipArchive, MemoryArchivesInTheirOwnBlockEndAtTheFirstGetMemory)
{
    TempFolder folder;
    ZipHandle* zip = ZipCreateMemory(nullptr, 1 << 20, nullptr);
    const std::string text = samples::PlainText(100000, 7), random = samples::RandomBytes(20000, 8);
    EXPECT_EQ(ZipAddMemory(zip, "text.txt", text.data(), static_cast<DWORD>(text.size())), ZIP_OK);
    EXPECT_EQ(ZipAddMemory(zip, "random.bin", random.data(), static_cast<DWORD>(random.size())), ZIP_OK);
    EXPECT_EQ(ZipAddMemory(zip, "none.txt", nullptr, 5), ZIP_ERR_ARGS);
    EXPECT_EQ(ZipAddMemory(zip, "", "x", 1), ZIP_ERR_ARGS);
    void* block = nullptr;
    unsigned long length = 0;
    EXPECT_EQ(ZipGetMemory(zip, &block, &length), ZIP_OK);
    ASSERT_NE(block, nullptr);
    folder.Write("m.zip", std::string(static_cast<const char*>(block), length));
    EXPECT_EQ(ZipAddMemory(zip, "late.txt", "x", 1), ZIP_ERR_ENDED);
    EXPECT_EQ(ZipClose(zip), ZIP_OK);
    const ParsedZip archive = ExpectReadableByAll(folder.File("m.zip"));
    EXPECT_EQ(archive.entries.size(), 2u);

    ZipHandle* onFile = ZipCreateFile(folder.File("f.zip").c_str(), nullptr);
    EXPECT_EQ(ZipGetMemory(onFile, &block, &length), ZIP_ERR_NOT_MEMORY_ZIP);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(ZipAddFolder(onFile, "late"), ZIP_ERR_ENDED) << "asking for the memory ended the archive";
    EXPECT_EQ(ZipClose(onFile), ZIP_OK);
    EXPECT_EQ(FileBytes(folder.File("f.zip")).size(), 22u);
}

TEST(ZipArchive, AMemoryOverflowSticksAndEndingReportsIt)
{
    for (const char* name : {"big.txt", "big.zip"}) {
        SCOPED_TRACE(name);
        // Exactly the block's size on the heap, so a write past it is caught by the sanitizer build.
        auto block = std::make_unique<char[]>(3000);
        ZipHandle* zip = ZipCreateMemory(block.get(), 3000, nullptr);
        const std::string random = samples::RandomBytes(40000, 9);
        EXPECT_EQ(ZipAddMemory(zip, "small.txt", "fits", 4), ZIP_OK);
        EXPECT_EQ(ZipAddMemory(zip, name, random.data(), static_cast<DWORD>(random.size())), ZIP_ERR_MEMORY_TOO_SMALL);
        EXPECT_EQ(ZipAddMemory(zip, "next.txt", "x", 1), ZIP_ERR_PREVIOUS_ERROR);
        EXPECT_EQ(ZipGetMemory(zip, nullptr, nullptr), ZIP_ERR_MEMORY_TOO_SMALL);
        EXPECT_EQ(ZipClose(zip), ZIP_OK);
    }
}

TEST(ZipArchive, AnEncryptedArchiveOpensWithItsPassword)
{
    TempFolder folder;
    ZipHandle* zip = ZipCreateFile(folder.File("e.zip").c_str(), "s3cret");
    const std::string text = samples::DiaryBody(50000);
    EXPECT_EQ(ZipAddMemory(zip, "doc.xml", text.data(), static_cast<DWORD>(text.size())), ZIP_OK);
    EXPECT_EQ(ZipAddMemory(zip, "raw.zip", "stored but encrypted", 20), ZIP_OK);
    EXPECT_EQ(ZipAddFolder(zip, "word"), ZIP_OK);
    EXPECT_EQ(ZipClose(zip), ZIP_OK);

    const ParsedZip archive = ExpectReadableByAll(folder.File("e.zip"), 0, "s3cret");
    ASSERT_EQ(archive.entries.size(), 3u);
    EXPECT_EQ(archive.entries[0].flags, 9u);
    EXPECT_EQ(archive.entries[1].flags, 9u);
    EXPECT_EQ(archive.entries[1].compressedSize, 32u) << "the data and the 12-byte encryption header";
    EXPECT_EQ(archive.entries[1].localCompressedSize, 32u);
    EXPECT_EQ(archive.entries[2].flags, 0u) << "a folder is not encrypted";
    EXPECT_NE(PythonListing(folder.File("e.zip"), "wrong").status, 0);
}

TEST(ZipArchive, AFailedSourceReadIsAReadErrorNotAShortEntry)
{
    TempFolder folder;
    folder.Write("data.txt", samples::PlainText(20000, 10));
    const int unreadable = ::open(folder.File("data.txt").c_str(), O_WRONLY);
    ZipHandle* zip = ZipCreateFile(folder.File("r.zip").c_str(), nullptr);
    EXPECT_EQ(ZipAddHandle(zip, "deflated.txt", unreadable), ZIP_ERR_READ);
    EXPECT_EQ(ZipAddHandle(zip, "stored.zip", unreadable), ZIP_ERR_READ);
    EXPECT_EQ(ZipAddFile(zip, "good.txt", folder.File("data.txt").c_str()), ZIP_OK) << "later entries proceed";
    EXPECT_EQ(ZipClose(zip), ZIP_OK);
    ::close(unreadable);
    const ParsedZip archive = ExpectReadableByAll(folder.File("r.zip"));
    ASSERT_EQ(archive.entries.size(), 1u);
    EXPECT_EQ(archive.entries[0].name, "good.txt");
}

TEST(ZipArchive, EveryFailedWriteIsReported)
{
    TempFolder folder;
    folder.Write("readonly", "");
    const int output = ::open(folder.File("readonly").c_str(), O_RDONLY);
    ZipHandle* zip = ZipCreateHandle(output, nullptr);
    EXPECT_EQ(ZipAddMemory(zip, "a.txt", "abc", 3), ZIP_ERR_WRITE);
    EXPECT_EQ(ZipClose(zip), ZIP_ERR_WRITE) << "the end record could not be written";
    ::close(output);
}

TEST(ZipArchive, NamesThatDoNotFitAreRefusedBeforeAnythingIsWritten)
{
    TempFolder folder;
    const std::string path = folder.File("n.zip");
    ZipHandle* zip = ZipCreateFile(path.c_str(), nullptr);
    EXPECT_EQ(ZipAddMemory(zip, std::string(259, 'a').c_str(), "x", 1), ZIP_OK);
    const auto size = FileBytes(path).size();
    EXPECT_EQ(ZipAddMemory(zip, std::string(260, 'b').c_str(), "x", 1), ZIP_ERR_ARGS);
    EXPECT_EQ(ZipAddFolder(zip, std::string(259, 'c').c_str()), ZIP_ERR_ARGS) << "260 with its /";
    EXPECT_EQ(ZipAddFolder(zip, nullptr), ZIP_ERR_ARGS);
    EXPECT_EQ(FileBytes(path).size(), size);
    EXPECT_EQ(ZipAddFolder(zip, (std::string(257, 'd') + "\\").c_str()), ZIP_OK);
    EXPECT_EQ(ZipClose(zip), ZIP_OK);
    const ParsedZip archive = ExpectReadableByAll(path);
    ASSERT_EQ(archive.entries.size(), 2u);
    EXPECT_EQ(archive.entries[1].name, std::string(257, 'd') + "/");
}

TEST(ZipArchive, TheEntryCountStopsAtWhatTheEndRecordHolds)
{
    TempFolder folder;
    ZipHandle* zip = ZipCreateMemory(nullptr, 16 << 20, nullptr);
    char name[16];
    for (unsigned n = 0; n < 65535; ++n) {
        std::snprintf(name, sizeof name, "%05u/", n);
        ASSERT_EQ(ZipAddFolder(zip, name), ZIP_OK) << n;
    }
    EXPECT_EQ(ZipAddFolder(zip, "one-too-many/"), ZIP_ERR_ARGS);
    void* block = nullptr;
    unsigned long length = 0;
    EXPECT_EQ(ZipGetMemory(zip, &block, &length), ZIP_OK);
    folder.Write("many.zip", std::string(static_cast<const char*>(block), length));
    EXPECT_EQ(ZipClose(zip), ZIP_OK);
    const CommandResult count = RunCommand("python3 -c \"import zipfile; print(len(zipfile.ZipFile('" +
                                           folder.File("many.zip") + "').infolist()))\"");
    EXPECT_EQ(count.output, "65535\n");
}

TEST(ZipArchive, AnEntryTooLargeForTheRecordsIsRefusedNotWrapped)
{
    TempFolder folder;
    const std::string big = folder.File("big.xml");
    folder.Write("big.xml", "");
    ASSERT_EQ(::truncate(big.c_str(), 0x100000001LL), 0);   // sparse: no disk is used
    const std::string path = folder.File("big.zip");
    ZipHandle* zip = ZipCreateFile(path.c_str(), nullptr);
    EXPECT_EQ(ZipAddMemory(zip, "small.xml", "x", 1), ZIP_OK);
    const auto size = FileBytes(path).size();
    EXPECT_EQ(ZipAddFile(zip, "word/document.xml", big.c_str()), ZIP_ERR_ARGS);
    EXPECT_EQ(FileBytes(path).size(), size);
    EXPECT_EQ(ZipClose(zip), ZIP_OK);
    EXPECT_EQ(ExpectReadableByAll(path).entries.size(), 1u);
}
