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
    std::vector<std::pair<std::string_view, std::string_view>> markers;
};

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
        if (at == std::string::npos || text->find(end, at + start.size()) == std::string::npos) {
            std::printf("Part without %.*s: %s\r\n", static_cast<int>(start.size()), start.data(),
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
    const PartCheck parts[] = {
        {documentPath, {{"<w:body>", ""}}},
        {settingsPath, {{"</w:rsids>", ""}}},
        {paths.rels, {{"</Relationships>", ""}}},
        {paths.contentTypes, {{"</Types>", ""}}},
        {paths.numbering,
         {{"<?xml", "?>"}, {"<w:numbering", "wordml\">"}, {"<w:abstractNum w:abstractNumId=\"0\">", "</w:abstractNum>"}}},
        {paths.fragment, {}},
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
