#include "zip/ZipResult.h"

#include <algorithm>
#include <cstring>
#include <string_view>

std::atomic<ZRESULT> g_zipLastResult{ZIP_OK};

namespace {

struct ResultText {
    ZRESULT code;
    std::string_view text;
};

constexpr ResultText kTexts[] = {
    {ZIP_OK, "Success"},
    {ZIP_ERR_DUPLICATE_HANDLE, "Culdn't duplicate handle"},
    {ZIP_ERR_OPEN_FILE, "Couldn't create/open file"},
    {ZIP_ERR_ALLOC, "Failed to allocate memory"},
    {ZIP_ERR_WRITE, "Error writing to file"},
    {ZIP_ERR_NOT_FOUND, "File not found in the zipfile"},
    {ZIP_ERR_MORE_DATA, "Still more data to unzip"},
    {ZIP_ERR_CORRUPT, "Zipfile is corrupt or not a zipfile"},
    {ZIP_ERR_READ, "Error reading file"},
    {ZIP_ERR_ARGS, "Caller: faulty arguments"},
    {ZIP_ERR_NOT_MEMORY_ZIP, "Caller: can only get memory of a memory zipfile"},
    {ZIP_ERR_MEMORY_TOO_SMALL, "Caller: not enough space allocated for memory zipfile"},
    {ZIP_ERR_PREVIOUS_ERROR, "Caller: there was a previous error"},
    {ZIP_ERR_ENDED, "Caller: additions to the zip have already been ended"},
    {ZIP_INTERNAL_SIZE_WRONG, "Zip-bug: the anticipated size turned out wrong"},
    {ZIP_ERR_PARTIALLY_UNZIPPED, "Caller: the file had already been partially unzipped"},
    {ZIP_ERR_MIXED_MODE, "Caller: mixing creation and opening of zip"},
    {ZIP_INTERNAL_NOT_INITIALISED, "Zip-bug: internal initialisation not completed"},
    {ZIP_INTERNAL_UNSEEKABLE, "Zip-bug: trying to seek the unseekable"},
    {ZIP_INTERNAL_CHANGE_MIND, "Zip-bug: tried to change mind, but not allowed"},
    {ZIP_INTERNAL_FLATION, "Zip-bug: an internal error during flation"},
};

std::string_view TextOf(ZRESULT code)
{
    for (const ResultText& entry : kTexts)
        if (entry.code == code)
            return entry.text;
    return "unknown zip result code";
}

} // namespace

unsigned ZipFormatMessage(ZRESULT code, char* buffer, unsigned size)
{
    const std::string_view text = TextOf(code == ZIP_LAST_RESULT ? g_zipLastResult.load() : code);
    if (buffer != nullptr && size > 0) {
        const size_t copied = std::min<size_t>(text.size(), size - 1);
        std::memcpy(buffer, text.data(), copied);
        buffer[copied] = '\0';
    }
    return static_cast<unsigned>(text.size());
}
