#pragma once
// Open files as the zip writer uses them: a file descriptor stands for a Windows file handle.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>

namespace platform {

using FileHandle = int;
constexpr FileHandle kInvalidFileHandle = -1;

// Creates the file, or empties an existing one, for writing.
FileHandle CreateFileForWriting(const char* path);
// Opens an existing file for writing at its end.
FileHandle OpenFileForAppending(const char* path);
// Opens an existing file (not a folder) for reading, reached as platform::ReadFileBytes reaches it.
FileHandle OpenFileForReading(const char* path);
// False when the handle was not open or the system reports a late write error on closing.
bool CloseFileHandle(FileHandle handle);

// The current position, or nothing when the handle cannot seek (a pipe) or is not open.
std::optional<std::int64_t> FilePosition(FileHandle handle);
// Moves to a position counted from the start of the file.
bool SeekFile(FileHandle handle, std::int64_t position);
// Cuts the file back to that size.
bool TruncateFile(FileHandle handle, std::int64_t size);

// Bytes read, 0 at the end, -1 on a failed read.
std::int64_t ReadFileHandle(FileHandle handle, void* buffer, std::size_t size);
// Bytes written: all of them unless a write failed.
std::size_t WriteFileHandle(FileHandle handle, const void* data, std::size_t size);

struct FileInformation {
    bool readOnly;    // the owner may not write it
    bool directory;
    std::int64_t size;
    std::time_t accessTime;
    std::time_t modificationTime;
    std::time_t creationTime;  // birth time where the file system keeps one, else the change time
};
std::optional<FileInformation> GetFileInformation(FileHandle handle);

} // namespace platform
