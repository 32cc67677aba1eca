#include "zip/Zip.h"

#include "zip/ZipArchive.h"

#include <memory>

using zip::EntrySource;
using zip::SourceKind;
using zip::ZipArchive;

namespace {

ZRESULT Keep(ZRESULT result)
{
    g_zipLastResult = result;
    return result;
}

enum class OutputKind { Handle = 1, File = 2, Memory = 3 };

struct OutputTarget {
    OutputKind kind;
    const char* path = nullptr;
    platform::FileHandle handle = platform::kInvalidFileHandle;
    void* buffer = nullptr;
    unsigned length = 0;
};

ZipHandle* Create(const OutputTarget& target, const char* password)
{
    auto archive = std::make_unique<ZipArchive>(password);
    ZRESULT result = ZIP_ERR_ARGS;
    switch (target.kind) {
    case OutputKind::Handle:
        result = archive->Output().OpenHandle(target.handle);
        break;
    case OutputKind::File:
        result = archive->Output().OpenFile(target.path);
        break;
    case OutputKind::Memory:
        result = archive->Output().OpenMemory(target.buffer, target.length);
        break;
    }
    if (Keep(result) != ZIP_OK)
        return nullptr;
    return new ZipHandle{kZipCreateKind, archive.release()};
}

ZRESULT CheckHandle(const ZipHandle* handle)
{
    if (handle == nullptr)
        return ZIP_ERR_ARGS;
    return handle->kind == kZipCreateKind ? ZIP_OK : ZIP_ERR_MIXED_MODE;
}

ZRESULT ZipAdd(ZipHandle* handle, const char* name, const EntrySource& source)
{
    const ZRESULT checked = CheckHandle(handle);
    return Keep(checked != ZIP_OK ? checked : handle->archive->Add(name, source));
}

} // namespace

ZipHandle* ZipCreateFile(const char* path, const char* password)
{
    return Create({.kind = OutputKind::File, .path = path}, password);
}

ZipHandle* ZipCreateHandle(platform::FileHandle handle, const char* password)
{
    return Create({.kind = OutputKind::Handle, .handle = handle}, password);
}

ZipHandle* ZipCreateMemory(void* buffer, unsigned length, const char* password)
{
    return Create({.kind = OutputKind::Memory, .buffer = buffer, .length = length}, password);
}

ZRESULT ZipAddFile(ZipHandle* handle, const char* name, const char* path)
{
    return ZipAdd(handle, name, {.kind = SourceKind::File, .path = path});
}

ZRESULT ZipAddHandle(ZipHandle* handle, const char* name, platform::FileHandle source)
{
    return ZipAdd(handle, name, {.kind = SourceKind::Handle, .handle = source});
}

ZRESULT ZipAddHandleLen(ZipHandle* handle, const char* name, platform::FileHandle source, DWORD length)
{
    return ZipAdd(handle, name, {.kind = SourceKind::Handle, .handle = source, .length = length});
}

ZRESULT ZipAddMemory(ZipHandle* handle, const char* name, const void* data, DWORD length)
{
    return ZipAdd(handle, name, {.kind = SourceKind::Memory, .data = data, .length = length});
}

ZRESULT ZipAddFolder(ZipHandle* handle, const char* name)
{
    return ZipAdd(handle, name, {.kind = SourceKind::Folder});
}

ZRESULT ZipGetMemory(ZipHandle* handle, void** block, unsigned long* length)
{
    const ZRESULT checked = CheckHandle(handle);
    if (checked != ZIP_OK) {
        if (block != nullptr)
            *block = nullptr;
        if (length != nullptr)
            *length = 0;
        return Keep(checked);
    }
    ZipArchive& archive = *handle->archive;
    const ZRESULT ended = archive.End();
    if (block != nullptr)
        *block = archive.Output().MemoryBlock();
    if (length != nullptr)
        *length = static_cast<unsigned long>(archive.BytesWritten());
    if (ended != ZIP_OK)
        return Keep(ended);
    return Keep(archive.Output().IsMemory() ? ZIP_OK : ZIP_ERR_NOT_MEMORY_ZIP);
}

ZRESULT ZipClose(ZipHandle* handle)
{
    const ZRESULT checked = CheckHandle(handle);
    if (checked != ZIP_OK)
        return Keep(checked);
    const ZRESULT ended = handle->archive->End();
    delete handle->archive;
    delete handle;
    return Keep(ended);
}

BOOL ZipIsHandle(const ZipHandle* handle)
{
    return handle != nullptr && handle->kind == kZipCreateKind ? TRUE : FALSE;
}
