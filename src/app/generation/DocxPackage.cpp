#include "app/generation/DocxPackage.h"

#include "platform/Files.h"
#include "zip/Zip.h"

namespace {

// Entry names of the package; the same relative paths in the work folder. The content types
// part goes first, where readers that stream the archive look for it.
constexpr const char* kParts[] = {
    "[Content_Types].xml",
    "_rels/.rels",
    "docProps/app.xml",
    "docProps/core.xml",
    "word/document.xml",
    "word/fontTable.xml",
    "word/numbering.xml",
    "word/settings.xml",
    "word/styles.xml",
    "word/webSettings.xml",
    "word/_rels/document.xml.rels",
    "word/_rels/settings.xml.rels",
    "word/theme/theme1.xml",
};

} // namespace

bool ZipDocxParts(const std::string& outputFile, const std::string& workFolder)
{
    ZipHandle* zip = ZipCreateFile(outputFile.c_str(), nullptr);
    if (zip == nullptr)
        return false;
    bool packed = true;
    for (const char* part : kParts)
        packed = packed && ZipAddFile(zip, part, platform::JoinPath(workFolder, part).c_str()) == ZIP_OK;
    packed = ZipClose(zip) == ZIP_OK && packed;
    if (!packed)
        platform::RemoveFile(outputFile);
    return packed;
}
