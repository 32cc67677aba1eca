#pragma once
// The zip writer's interface: create an archive on a file, an open file handle or in memory,
// add entries, end it. Every operation returns a result code and keeps it in g_zipLastResult
// (the create operations keep theirs there and return the handle, or null on failure).

#include "platform/FileHandle.h"
#include "zip/ZipResult.h"

namespace zip {
class ZipArchive;
}

// The handle the create operations give out; kind 2 marks an archive being created.
struct ZipHandle {
    DWORD kind;
    zip::ZipArchive* archive;
};
constexpr DWORD kZipCreateKind = 2;

// A null or empty password: no encryption.
ZipHandle* ZipCreateFile(const char* path, const char* password);
// The handle stays the caller's; when it can seek, the archive starts at its position.
ZipHandle* ZipCreateHandle(platform::FileHandle handle, const char* password);
// With a null buffer the archive makes a private block of that length. The block holds at
// most length - 1 archive bytes.
ZipHandle* ZipCreateMemory(void* buffer, unsigned length, const char* password);

// Entry names take "/" for "\" and hold at most 259 bytes (a folder's "/" included).
ZRESULT ZipAddFile(ZipHandle* handle, const char* name, const char* path);
ZRESULT ZipAddHandle(ZipHandle* handle, const char* name, platform::FileHandle source);
// length: the data's size when the handle cannot seek (0 for unknown).
ZRESULT ZipAddHandleLen(ZipHandle* handle, const char* name, platform::FileHandle source, DWORD length);
ZRESULT ZipAddMemory(ZipHandle* handle, const char* name, const void* data, DWORD length);
ZRESULT ZipAddFolder(ZipHandle* handle, const char* name);

// Ends the additions when not yet ended and gives the memory block and the archive's length
// (through the pointers that are not null). ZIP_ERR_NOT_MEMORY_ZIP for other archives.
ZRESULT ZipGetMemory(ZipHandle* handle, void** block, unsigned long* length);
// Ends the additions when not yet ended, closes what the archive opened and frees it and the
// handle, whatever the result.
ZRESULT ZipClose(ZipHandle* handle);

BOOL ZipIsHandle(const ZipHandle* handle);
