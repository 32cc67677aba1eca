#include "app/generation/DocxPackage.h"

#include "platform/SystemError.h"
#include "zip/Zip.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <string_view>

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

constexpr std::string_view kBlanks = " \t\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool LooksLikeXml(std::string_view text)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    const size_t first = text.find_first_not_of(kBlanks);
    const size_t last = text.find_last_not_of(kBlanks);
    return first != std::string_view::npos && text[first] == '<' && text[last] == '>';
}

// The part is opened through its place, so no link put in a folder's place is read through.
ZRESULT AddPart(ZipHandle* zip, const char* name, const platform::FilePlace& part)
{
    const platform::FileHandle source = part.OpenForReading();
    if (source == platform::kInvalidFileHandle)
        return ZIP_ERR_OPEN_FILE;
    const ZRESULT result = ZipAddHandle(zip, name, source);
    const platform::KeptReason kept;
    platform::CloseFileHandle(source);
    return result;
}

} // namespace

bool DocxPartsLookLikeXml(const platform::FilePlace& workFolder)
{
    return std::all_of(std::begin(kParts), std::end(kParts), [&](const char* part) {
        const auto bytes = workFolder.Below(part).Read();
        return bytes && LooksLikeXml(*bytes);
    });
}

DocxPacking ZipDocxParts(platform::FileHandle archive, const platform::FilePlace& workFolder)
{
    ZipHandle* zip = ZipCreateHandle(archive, nullptr);
    if (zip == nullptr)
        return DocxPacking::Failed;
    ZRESULT result = ZIP_OK;
    for (const char* part : kParts) {
        result = AddPart(zip, part, workFolder.Below(part));
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
