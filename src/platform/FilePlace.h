#pragma once
// Where a file the document generator reads or writes is: a plain path, reached as any path the
// user gives, or a path below a held folder, walked from that folder one entry at a time without
// following a link anywhere. A link met below a held folder makes the operation fail with ELOOP
// (or ENOTDIR), so nothing outside the folder is ever read or written through it. On failure
// errno tells why.

#include "platform/FileHandle.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class HeldFolder;

class FilePlace {
public:
    FilePlace(std::string path) : m_path(std::move(path)) {}   // NOLINT: a path is a place
    FilePlace(const char* path) : m_path(path) {}               // NOLINT: as is a literal one
    // The folder must stay held while the place is used.
    FilePlace(const HeldFolder& folder, std::string relativePath) : m_folder(&folder), m_path(std::move(relativePath))
    {
    }

    // The place of the entry of that relative path below this one.
    FilePlace Below(std::string_view name) const;
    // The path, relative to the held folder for a place below one: for traces.
    const std::string& Path() const { return m_path; }

    // The bytes of a regular file.
    std::optional<std::string> Read() const;
    // Appends to the file, making it when missing.
    bool Append(std::string_view bytes) const;
    // Gives the file these bytes. Below a held folder the file is made new under another name
    // and renamed over the old one, so no file that stood there is ever written into.
    bool Replace(std::string_view bytes) const;
    bool Remove() const;
    bool MakeFolder() const;
    // An existing file opened to write at its end, or to read (a folder is refused).
    FileHandle OpenForAppending() const;
    FileHandle OpenForReading() const;

private:
    // Below a held folder: the operation on the descriptor of the folder holding the last entry
    // and that entry's name; `failed` when the walk to it fails.
    template <class Operation, class Result>
    Result AtFolder(Operation&& operation, Result failed) const;

    const HeldFolder* m_folder = nullptr;
    std::string m_path;
};

} // namespace platform
