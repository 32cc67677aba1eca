// A skeleton part that is not well-formed XML, even one that still looks like XML, stops the run
// with the damaged-skeleton message and publishes nothing.
#include "GenerationFixture.h"
#include "app/generation/FailureMessage.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Cuts spread over each file: enough to reach every kind of part, few enough to stay quick.
constexpr size_t kCutsPerFile = 6;

// Lengths of the text that end just after a tag, the whole text's last tag left out: evenly
// spread over them, the first and the last (the root left unclosed) always among them.
std::vector<size_t> CutsAtTagEnds(const std::string& text)
{
    std::vector<size_t> ends;
    for (size_t at = text.find('>'); at != std::string::npos; at = text.find('>', at + 1))
        ends.push_back(at + 1);
    if (!ends.empty())
        ends.pop_back();
    if (ends.size() <= kCutsPerFile)
        return ends;
    std::vector<size_t> cuts;
    for (size_t k = 0; k < kCutsPerFile; ++k)
        cuts.push_back(ends[k * (ends.size() - 1) / (kCutsPerFile - 1)]);
    return cuts;
}

// A file below config/template and the bytes it is given.
using Damage = std::pair<std::string, std::string>;

} // namespace

TEST_F(OutputFolderTest, SkeletonPartsThatAreNotWellFormedStopTheRunAndPublishNothing)
{
    const std::string skeleton = Program() + "/config/template";
    std::vector<Damage> damages;
    for (const auto& entry : fs::recursive_directory_iterator(skeleton)) {
        if (!entry.is_regular_file())
            continue;
        const std::string file = entry.path().lexically_relative(skeleton).string();
        const std::string text = Folder().Read("config/template/" + file);
        for (const size_t cut : CutsAtTagEnds(text))
            damages.emplace_back(file, text.substr(0, cut));
    }
    const std::string settings = Folder().Read("config/template/word/settings.xml");
    const std::string idsEnd = "</w:rsids>";
    damages.emplace_back("word/settings.xml", settings.substr(0, settings.find(idsEnd) + idsEnd.size()));
    // Whole, but the edit of the creation time cannot keep it so: found in the part as packed.
    const std::string core = Folder().Read("config/template/docProps/core.xml");
    const std::string createdEnd = "</dcterms:created>";
    damages.emplace_back("docProps/core.xml", core.substr(0, core.find("<dcterms:created")) +
                                                  "<dcterms:created/><!-- " + createdEnd + " -->" +
                                                  core.substr(core.find(createdEnd) + createdEnd.size()));
    ASSERT_GT(damages.size(), 60u);

    const auto before = Listing(m_out);
    for (const auto& [file, bytes] : damages) {
        const std::string path = "config/template/" + file;
        const std::string kept = Folder().Read(path);
        Folder().Write(path, bytes);
        GenerationJob job = Job();
        const GenerationStatus status = GenerateDiary(job);
        const std::string damage = file + " of " + std::to_string(bytes.size()) + " bytes";
        EXPECT_EQ(FailureMessage(status, job), "Word模板 (config/template) 不完整，没有生成文档。") << damage;
        EXPECT_EQ(Listing(m_out), before) << damage;
        Folder().Write(path, kept);
    }
    GenerationJob whole = Job();
    EXPECT_EQ(GenerateDiary(whole), GenerationStatus::Done);
}
