// The generation run: a whole run leaves a complete, well-formed package; a run that cannot
// finish reports why and changes nothing, so no document is made from a broken skeleton.
#include "RunFixture.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace fs = std::filesystem;

TEST_F(DocxRunTest, FinishedRunLeavesACompletePackage)
{
    m_design.classes[0].COL_ItemNumber = 1;
    WriteTemplates(3, 30, 4, 2);
    ASSERT_EQ(Run(), DocxRunStatus::Done);

    for (const std::string& part : docxcheck::PackageParts())
        EXPECT_EQ(docxcheck::XmlError(docxcheck::ReadFile(Part(part))), "") << part;
    const std::string document = Document();
    EXPECT_EQ(document.rfind("<w:sectPr"), document.find("<w:sectPr")) << "the tail comes once";
    EXPECT_LT(document.find("BOOKMARK_Date004"), document.find("<w:sectPr"));
    EXPECT_NE(document.find("encoding=\"UTF-8\""), std::string::npos);
    EXPECT_FALSE(fs::exists(Part("word/document_temp.xml")));
    EXPECT_FALSE(fs::exists(Part("word/document_end.xml")));
    EXPECT_FALSE(fs::exists(Part("word/numbering_item_number.xml")));

    // Four numbered days: four lists of their own after the 21 item styles.
    const std::string numbering = docxcheck::ReadFile(Part("word/numbering.xml"));
    EXPECT_NE(numbering.find("<w:num w:numId=\"25\">"), std::string::npos);
    EXPECT_EQ(numbering.find("<w:num w:numId=\"26\">"), std::string::npos);
    EXPECT_EQ(Occurrences(docxcheck::ReadFile(Part("word/_rels/document.xml.rels")), "numbering.xml"), 1u);

    // Made at the run's moment (the fixed clock: 15 June 2026, noon UTC).
    const std::string core = docxcheck::ReadFile(Part("docProps/core.xml"));
    EXPECT_EQ(Occurrences(core, ">2026-06-15T12:00:00Z</dcterms:"), 2u) << core;
}

TEST_F(DocxRunTest, MissingPartsStopTheRunBeforeAnyChange)
{
    WriteTemplates(1, 1, 1, 31);
    const std::string missing[] = {MonthTemplate(),
                                   DateTemplate(),
                                   Part("word/document.xml"),
                                   Part("word/settings.xml"),
                                   Part("word/_rels/document.xml.rels"),
                                   Part("[Content_Types].xml"),
                                   Part("word/numbering.xml"),
                                   Part("word/numbering_item_number.xml"),
                                   Part("docProps/core.xml")};
    for (const std::string& path : missing) {
        const std::string kept = docxcheck::ReadFile(path);
        fs::remove(path);
        const auto before = Snapshot();
        EXPECT_EQ(Run(), DocxRunStatus::MissingPart) << path;
        EXPECT_EQ(Snapshot(), before) << path;
        Folder().Write(fs::relative(path, Folder().Path()).string(), kept);
    }
}

TEST_F(DocxRunTest, PartsWithoutWhatTheEditsNeedStopTheRunBeforeAnyChange)
{
    WriteTemplates(1, 1, 1, 31);
    // A marker taken out, or the part cut short just before its last one.
    enum class Damage { Erased, CutBefore };
    struct Case {
        std::string part;
        std::string marker;
        Damage damage;
    };
    const Case broken[] = {
        {"word/document.xml", "<w:body>", Damage::Erased},
        {"word/document.xml", "<w:document", Damage::Erased},
        {"word/document.xml", "</w:body>", Damage::CutBefore},
        {"word/document.xml", "</w:body>", Damage::Erased},
        {"word/document.xml", "</w:document>", Damage::CutBefore},
        {"word/settings.xml", "</w:rsids>", Damage::Erased},
        {"word/settings.xml", "<w:rsids>", Damage::Erased},
        {"word/_rels/document.xml.rels", "</Relationships>", Damage::Erased},
        {"word/_rels/document.xml.rels", "<Relationships", Damage::Erased},
        {"[Content_Types].xml", "</Types>", Damage::Erased},
        {"[Content_Types].xml", "<Types", Damage::Erased},
        {"word/numbering.xml", "</w:abstractNum>", Damage::Erased},
        {"word/numbering_item_number.xml", "</w:abstractNum>", Damage::CutBefore},
        {"word/numbering_item_number.xml", "w:abstractNumId=\"2007\"", Damage::Erased},
        {"docProps/core.xml", "</dcterms:modified>", Damage::Erased},
    };
    for (const auto& [part, marker, damage] : broken) {
        const std::string kept = docxcheck::ReadFile(Part(part));
        std::string text = kept;
        if (damage == Damage::Erased)
            text.erase(text.find(marker), marker.size());
        else
            text.resize(text.rfind(marker));
        Folder().Write("my_diary/" + part, text);
        const auto before = Snapshot();
        EXPECT_EQ(Run(), DocxRunStatus::BrokenPart) << part << " without " << marker;
        EXPECT_EQ(Snapshot(), before) << part << " without " << marker;
        Folder().Write("my_diary/" + part, kept);
    }
    EXPECT_EQ(Run(), DocxRunStatus::Done);
}

TEST_F(DocxRunTest, PartThatCannotBeWrittenFailsTheRun)
{
    WriteTemplates(1, 1, 1, 3);
    // A folder where the run keeps the head of the document part.
    fs::create_directory(Part("word/document_temp.xml"));
    EXPECT_EQ(Run(), DocxRunStatus::WriteFailed);
}

// A full disk, as far as this process can tell: files may not grow past a limit, and a write
// past it fails instead of stopping the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_old {};
    void (*m_handler)(int);
};

TEST_F(DocxRunTest, BodyThatDoesNotFitOnTheDiskFailsTheRun)
{
    WriteTemplates(1, 1, 12, 31);
    const FileSizeLimit limit(256 * 1024);
    EXPECT_EQ(Run(), DocxRunStatus::WriteFailed);
}
