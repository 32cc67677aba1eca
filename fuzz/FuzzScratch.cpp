#include "FuzzScratch.h"

#include "platform/Files.h"
#include "platform/Folders.h"

#include <cstdlib>
#include <string_view>

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
    // Each write makes a new file that replaces the old one, so the profile functions' cache,
    // which checks the file's identity, never serves an older input.
    static const std::string file = DesignFile();
    if (!platform::WriteFileReplacing(file, std::string_view(reinterpret_cast<const char*>(data), size)))
        std::abort();
    return file;
}
