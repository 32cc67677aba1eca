#include "app/generation/DocxPackage.h"

#include "platform/SystemError.h"
#include "platform/XmlCheck.h"
#include "zip/Zip.h"

#include <algorithm>
#include <cerrno>
#include <iterator>

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

// Hands the part, opened through its place so no link put in a folder's place is read through,
// to `use`; `failed` when it cannot be opened.
template <class Use, class Result>
Result WithPartOpen(const platform::FilePlace& part, Use&& use, Result failed)
{
    const platform::FileHandle source = part.OpenForReading();
    if (source == platform::kInvalidFileHandle)
        return failed;
    const Result result = use(source);
    const platform::KeptReason kept;
    platform::CloseFileHandle(source);
    return result;
}

} // namespace

bool DocxPartsWellFormed(const platform::FilePlace& workFolder)
{
    return std::all_of(std::begin(kParts), std::end(kParts), [&](const char* part) {
        return WithPartOpen(workFolder.Below(part), platform::IsWellFormedXml, false);
    });
}

DocxPacking ZipDocxParts(platform::FileHandle archive, const platform::FilePlace& workFolder)
{
    ZipHandle* zip = ZipCreateHandle(archive, nullptr);
    if (zip == nullptr)
        return DocxPacking::Failed;
    ZRESULT result = ZIP_OK;
    for (const char* part : kParts) {
        result = WithPartOpen(
            workFolder.Below(part), [&](platform::FileHandle source) { return ZipAddHandle(zip, part, source); },
            ZRESULT {ZIP_ERR_OPEN_FILE});
        if (result != ZIP_OK)
            break;
    }
    const int error = errno;
    const ZRESULT closed = ZipClose(zip);
    if (result == ZIP_OK)
        result = closed;
    else
        errno = error;   // the reason of the part that failed, not of what closing did after
    if (result == ZIP_OK)
        return DocxPacking::Packed;
    // Our entry names and their number are fixed, so the writer refuses its arguments only for
    // sizes past its 32-bit records.
    return result == ZIP_ERR_ARGS ? DocxPacking::TooLarge : DocxPacking::Failed;
}
