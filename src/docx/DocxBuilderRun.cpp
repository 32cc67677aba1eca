// The generation run: turns the skeleton copied into the work folder into the diary. Every part
// the run reads or edits is checked before the first change, so a run that cannot finish
// leaves the skeleton as it was and says why.
#include "docx/DocxBuilder.h"

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/SystemError.h"

#include <cstdio>

namespace {

struct RunPaths {
    platform::FilePlace rels, contentTypes, numbering, fragment, documentHead, documentTail, coreProperties;
};

RunPaths PathsOf(const platform::FilePlace& workFolder)
{
    const platform::FilePlace word = workFolder.Below("word");
    return {word.Below("_rels/document.xml.rels"), workFolder.Below("[Content_Types].xml"),
            word.Below("numbering.xml"),           word.Below("numbering_item_number.xml"),
            word.Below("document_temp.xml"),       word.Below("document_end.xml"),
            workFolder.Below("docProps/core.xml")};
}

// A part and the texts the edits need to find in it, each pair in this order.
struct PartCheck {
    const platform::FilePlace& path;
    std::vector<std::pair<std::string, std::string>> markers;
};

// The numbering part the run writes refers to every item-number style of the fragment, which it
// copies in whole: each style must be there and closed.
std::vector<std::pair<std::string, std::string>> ItemStyleMarkers()
{
    std::vector<std::pair<std::string, std::string>> markers;
    for (int style = 1; style <= CDocxBuilder::kItemStyles; ++style)
        markers.emplace_back("<w:abstractNum w:abstractNumId=\"" +
                                 std::to_string(CDocxBuilder::kItemStyleAbstractBase + style) + "\"",
                             "</w:abstractNum>");
    return markers;
}

DocxRunStatus Check(const PartCheck& part)
{
    const auto text = part.path.Read();
    if (!text) {
        const platform::KeptReason kept;
        std::printf("Failed to open file: %s\r\n", part.path.Path().c_str());
        return DocxRunStatus::MissingPart;
    }
    for (const auto& [start, end] : part.markers) {
        const size_t at = text->find(start);
        const bool ended = at != std::string::npos && text->find(end, at + start.size()) != std::string::npos;
        if (!ended) {
            std::printf("Part without %s: %s\r\n", (at == std::string::npos ? start : end).c_str(),
                        part.path.Path().c_str());
            return DocxRunStatus::BrokenPart;
        }
    }
    return DocxRunStatus::Done;
}

DocxRunStatus CheckInputs(const platform::FilePlace& monthTemplatePath, const platform::FilePlace& dateTemplatePath,
                          const platform::FilePlace& documentPath, const platform::FilePlace& settingsPath,
                          const RunPaths& paths)
{
    // What each edit writes goes inside an element the part opens before it and closes after it.
    const PartCheck parts[] = {
        {documentPath, {{"<w:document", "<w:body>"}, {"<w:body>", "</w:body>"}, {"</w:body>", "</w:document>"}}},
        {settingsPath, {{"<w:rsids>", "</w:rsids>"}}},
        {paths.rels, {{"<Relationships", "</Relationships>"}}},
        {paths.contentTypes, {{"<Types", "</Types>"}}},
        {paths.numbering,
         {{"<?xml", "?>"}, {"<w:numbering", "wordml\">"}, {"<w:abstractNum w:abstractNumId=\"0\">", "</w:abstractNum>"}}},
        {paths.fragment, ItemStyleMarkers()},
        {paths.coreProperties, {{"<dcterms:created", "</dcterms:created>"}, {"<dcterms:modified", "</dcterms:modified>"}}},
        {monthTemplatePath, {}},
        {dateTemplatePath, {}},
    };
    for (const PartCheck& part : parts)
        if (const DocxRunStatus status = Check(part); status != DocxRunStatus::Done)
            return status;
    return DocxRunStatus::Done;
}

} // namespace

DocxRunStatus CDocxBuilder::CreateDocx(const platform::FilePlace& monthTemplatePath,
                                       const platform::FilePlace& dateTemplatePath,
                                       const platform::FilePlace& documentPath, const platform::FilePlace& settingsPath,
                                       const platform::FilePlace& workFolder, const DocxRunDesign& design)
{
    const RunPaths paths = PathsOf(workFolder);
    if (const DocxRunStatus status = CheckInputs(monthTemplatePath, dateTemplatePath, documentPath, settingsPath, paths);
        status != DocxRunStatus::Done)
        return status;
    LoadRsids(settingsPath);

    // The document part is cut back to its head; its tail waits in a file of its own.
    DeleteFileIfExists(paths.documentHead);
    DeleteFileIfExists(paths.documentTail);
    if (!SplitTemplateHead(documentPath, paths.documentHead) || !SplitTemplateTail(documentPath, paths.documentTail) ||
        !documentPath.Remove() || !MoveFileText(paths.documentHead, documentPath))
        return DocxRunStatus::WriteFailed;

    if (const DocxRunStatus body = WriteDocumentBody(dateTemplatePath, monthTemplatePath, documentPath, design);
        body != DocxRunStatus::Done)
        return body;
    if (!MoveFileText(paths.documentTail, documentPath) ||
        !WritePackageParts(paths.rels, settingsPath, paths.contentTypes, paths.numbering, ListStyles(), paths.fragment) ||
        !WriteCreationTime(paths.coreProperties, platform::Now()))
        return DocxRunStatus::WriteFailed;
    return DocxRunStatus::Done;
}
