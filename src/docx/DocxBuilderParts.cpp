// Edits of the package's parts as text. Line ends are kept as they were, so a tag that spans
// two lines never fuses, and the document part is split at <w:body> wherever it stands.
#include "docx/DocxBuilder.h"

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/HeldFolder.h"

namespace {

constexpr std::string_view kBody = "<w:body>";

constexpr std::string_view kNumberingRelationship =
    "<Relationship Id=\"rId\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering\" "
    "Target=\"numbering.xml\" />";

// Revision ids the generated document adds to the settings part's list.
constexpr std::string_view kAddedRevisionIds =
    "<w:rsid w:val=\"00090FCD\" /><w:rsid w:val=\"00B75984\" /><w:rsid w:val=\"00C20EE3\" />"
    "<w:rsid w:val=\"00DC7CA5\" /><w:rsid w:val=\"00DD266F\" />";

constexpr std::string_view kNumberingOverride =
    "<Override PartName=\"/word/numbering.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml\" />";

// The end of <w:body> in the document part, or npos.
size_t BodyEnd(const std::string& document)
{
    const size_t at = document.find(kBody);
    return at == std::string::npos ? at : at + kBody.size();
}

} // namespace

bool CDocxBuilder::SplitTemplateHead(const platform::FilePlace& documentPath, const platform::FilePlace& headPath)
{
    const auto document = documentPath.Read();
    const size_t end = document ? BodyEnd(*document) : std::string::npos;
    return end != std::string::npos && AppendToFile(headPath, std::string_view(*document).substr(0, end));
}

bool CDocxBuilder::SplitTemplateTail(const platform::FilePlace& documentPath, const platform::FilePlace& tailPath)
{
    const auto document = documentPath.Read();
    const size_t end = document ? BodyEnd(*document) : std::string::npos;
    return end != std::string::npos && AppendToFile(tailPath, std::string_view(*document).substr(end));
}

bool CDocxBuilder::WritePackageParts(const platform::FilePlace& relsPath, const platform::FilePlace& settingsPath,
                                     const platform::FilePlace& contentTypesPath, const platform::FilePlace& numberingPath,
                                     const std::vector<int>& listStyles, const platform::FilePlace& itemNumberFragmentPath)
{
    const std::string relationship = ReplaceFirst(std::string(kNumberingRelationship), "rId",
                                                  "rId" + std::to_string(GetMaxRelationshipId(relsPath) + 1));
    return InsertBeforeMarker(relsPath, relationship, "</Relationships>") &&
           InsertBeforeMarker(settingsPath, kAddedRevisionIds, "</w:rsids>") &&
           InsertBeforeMarker(contentTypesPath, kNumberingOverride, "</Types>") &&
           WriteNumberingXml(numberingPath, listStyles, itemNumberFragmentPath);
}

bool CDocxBuilder::WriteCreationTime(const platform::FilePlace& corePropertiesPath, std::time_t moment)
{
    auto text = corePropertiesPath.Read();
    if (!text)
        return false;
    const std::string stamp = platform::FormatTime("%Y-%m-%dT%H:%M:%SZ", platform::UniversalTime(moment), 32);
    for (const std::string_view element : {"dcterms:created", "dcterms:modified"}) {
        const size_t open = text->find("<" + std::string(element));
        const size_t start = open == std::string::npos ? open : text->find('>', open);
        const size_t end = start == std::string::npos ? start : text->find("</" + std::string(element), start);
        if (end == std::string::npos)
            return false;
        text->replace(start + 1, end - start - 1, stamp);
    }
    return corePropertiesPath.Replace(*text);
}

bool CDocxBuilder::InsertBeforeMarker(const platform::FilePlace& path, std::string_view text, std::string_view marker)
{
    const auto original = path.Read();
    if (!original || marker.empty())
        return false;
    std::string edited;
    edited.reserve(original->size() + text.size());
    bool inserted = false;
    std::string_view rest = *original;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end == std::string_view::npos ? rest.size() : end + 1);
        rest.remove_prefix(line.size());
        const size_t at = line.find(marker);
        if (at == std::string_view::npos) {
            edited += line;
            continue;
        }
        edited.append(line.substr(0, at)).append(text).append(line.substr(at));
        inserted = true;
    }
    return inserted && path.Replace(edited);
}

std::optional<std::string> CDocxBuilder::ExtractBetweenMarkers(const platform::FilePlace& path, std::string_view startMarker,
                                                               std::string_view endMarker)
{
    const auto text = path.Read();
    if (!text)
        return std::nullopt;
    const size_t start = startMarker.empty() ? std::string::npos : text->find(startMarker);
    if (start == std::string::npos || endMarker.empty())
        return std::string();
    const size_t end = text->find(endMarker, start + startMarker.size());
    if (end == std::string::npos)
        return std::string();
    return text->substr(start, end + endMarker.size() - start);
}

bool CDocxBuilder::MoveFileText(const platform::FilePlace& sourcePath, const platform::FilePlace& destinationPath)
{
    const auto text = sourcePath.Read();
    if (!text || !AppendToFile(destinationPath, *text))
        return false;
    sourcePath.Remove();
    return true;
}

bool CDocxBuilder::DeleteFolder(const std::string& path)
{
    std::string_view folder = path;
    while (folder.size() > 1 && platform::LastSeparator(folder) == folder.size() - 1)
        folder.remove_suffix(1);
    // The path to the folder is the caller's, links and all; from the folder down none is followed.
    const size_t separator = platform::LastSeparator(folder);
    const std::string parent(separator == std::string_view::npos ? "." : folder.substr(0, separator + 1));
    return platform::HeldFolder::Open(parent).RemoveFolder(std::string(folder.substr(separator + 1)));
}

int CDocxBuilder::CountOccurrences(std::string_view text, std::string_view pattern)
{
    if (pattern.empty())
        return 0;
    int count = 0;
    for (size_t at = text.find(pattern); at != std::string_view::npos; at = text.find(pattern, at + pattern.size()))
        ++count;
    return count;
}

std::string CDocxBuilder::GetFileNameOfPath(std::string_view path)
{
    const size_t separator = platform::LastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}
