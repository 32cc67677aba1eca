#include "FuzzScratch.h"

#include "platform/Files.h"
#include "platform/Folders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

std::string DesignFile()
{
    return platform::JoinPath(ScratchFolder(), "design.ini");
}

// A fuzzer that ends normally leaves no scratch folder behind.
void RemoveScratch()
{
    platform::RemoveFile(DesignFile());
    platform::RemoveEmptyFolder(ScratchFolder());
}

} // namespace

const std::string& ScratchFolder()
{
    // Never destroyed: the exit handler that removes the folder still needs its name.
    static const std::string* folder = [] {
        auto* pattern = new std::string("/tmp/rorovavozir-fuzz-XXXXXX");
        if (::mkdtemp(pattern->data()) == nullptr)
            std::abort();
        std::atexit(RemoveScratch);
        return pattern;
    }();
    return *folder;
}

std::string WriteDesignInput(const std::uint8_t* data, std::size_t size)
{
    // Each input is a new file made while the last one still holds its number, so the profile
    // functions' cache, which checks the file's identity, never serves an older input. Scratch
    // bytes are written plainly: no sync, and the last file goes before the rename, since a
    // rename over a file makes ext4 flush the new one's bytes.
    static const std::string file = DesignFile();
    static const std::string next = file + ".next";
    std::ofstream out(next, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out)
        std::abort();
    std::error_code error;
    std::filesystem::remove(file, error);
    std::filesystem::rename(next, file, error);
    if (error)
        std::abort();
    return file;
}
