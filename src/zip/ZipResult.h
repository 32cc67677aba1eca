#pragma once
// Result codes of the zip writer and their fixed texts.

#include "platform/WinTypes.h"

#include <atomic>

using ZRESULT = DWORD;

constexpr ZRESULT ZIP_OK = 0x00000000;
constexpr ZRESULT ZIP_LAST_RESULT = 0x00000001;  // only for ZipFormatMessage: the last result
constexpr ZRESULT ZIP_ERR_DUPLICATE_HANDLE = 0x00000100;
constexpr ZRESULT ZIP_ERR_OPEN_FILE = 0x00000200;
constexpr ZRESULT ZIP_ERR_ALLOC = 0x00000300;
constexpr ZRESULT ZIP_ERR_WRITE = 0x00000400;
constexpr ZRESULT ZIP_ERR_NOT_FOUND = 0x00000500;
constexpr ZRESULT ZIP_ERR_MORE_DATA = 0x00000600;
constexpr ZRESULT ZIP_ERR_CORRUPT = 0x00000700;
constexpr ZRESULT ZIP_ERR_READ = 0x00000800;
constexpr ZRESULT ZIP_ERR_ARGS = 0x00010000;
constexpr ZRESULT ZIP_ERR_NOT_MEMORY_ZIP = 0x00020000;
constexpr ZRESULT ZIP_ERR_MEMORY_TOO_SMALL = 0x00030000;
constexpr ZRESULT ZIP_ERR_PREVIOUS_ERROR = 0x00040000;
constexpr ZRESULT ZIP_ERR_ENDED = 0x00050000;
constexpr ZRESULT ZIP_INTERNAL_SIZE_WRONG = 0x00060000;
constexpr ZRESULT ZIP_ERR_PARTIALLY_UNZIPPED = 0x00070000;
constexpr ZRESULT ZIP_ERR_MIXED_MODE = 0x00080000;
constexpr ZRESULT ZIP_INTERNAL_NOT_INITIALISED = 0x01000000;
constexpr ZRESULT ZIP_INTERNAL_UNSEEKABLE = 0x02000000;
constexpr ZRESULT ZIP_INTERNAL_CHANGE_MIND = 0x04000000;
constexpr ZRESULT ZIP_INTERNAL_FLATION = 0x05000000;

// The result of the latest zip operation of the process; meaningful on the calling thread only.
extern std::atomic<ZRESULT> g_zipLastResult;

// Copies the text of the code (ZIP_LAST_RESULT: of the last result) into the buffer, cut to
// size - 1 characters and a NUL; nothing is copied for a null buffer or a size of 0.
// Returns the length of the whole text.
unsigned ZipFormatMessage(ZRESULT code, char* buffer, unsigned size);
