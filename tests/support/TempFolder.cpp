#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string MakeTemporaryFolder(const char* prefix)
{
    std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

// Test programs keep the user's program state (run folders' records) in a temporary folder.
const struct TestStateHome {
    const pid_t owner = ::getpid();
    const std::string path = MakeTemporaryFolder("rorovavozir-state");
    TestStateHome() { ::setenv("XDG_STATE_HOME", path.c_str(), 1); }
    ~TestStateHome()
    {
        std::error_code ignored;
        if (::getpid() == owner)   // not in a forked child that ends through exit
            fs::remove_all(path, ignored);
    }
} kStateHome;

} // namespace

std::string SourceDir()
{
    const char* fromEnvironment = std::getenv("RV_SOURCE_DIR");
    return fromEnvironment && *fromEnvironment ? fromEnvironment : RV_SOURCE_DIR_DEFAULT;
}

TempFolder::TempFolder(bool withConfig)
{
    m_path = MakeTemporaryFolder("rorovavozir-test");
    m_previous = fs::current_path().string();
    if (withConfig)
        fs::copy(fs::path(SourceDir()) / "config", fs::path(m_path) / "config", fs::copy_options::recursive);
    fs::current_path(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::current_path(m_previous, ignored);
    // Let the removal through even where a test made a file read-only.
    for (const auto& entry : fs::recursive_directory_iterator(m_path, ignored))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempFolder::Read(const std::string& name) const
{
    std::ifstream in(File(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
