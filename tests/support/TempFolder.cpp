#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The program's state of the user (the run folders' records) for every test program that makes
// folders: a temporary folder of the process's own from its start, never the real home's.
class TestStateHome {
public:
    TestStateHome() : m_owner(::getpid())
    {
        std::string pattern = (fs::temp_directory_path() / "rorovavozir-state-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary state folder");
        m_path = pattern;
        ::setenv("XDG_STATE_HOME", m_path.c_str(), 1);
    }
    ~TestStateHome()
    {
        // A forked child that ends through exit leaves its parent's folder alone.
        std::error_code ignored;
        if (::getpid() == m_owner)
            fs::remove_all(m_path, ignored);
    }
    TestStateHome(const TestStateHome&) = delete;
    TestStateHome& operator=(const TestStateHome&) = delete;

private:
    pid_t m_owner;
    std::string m_path;
};

const TestStateHome kStateHome;

} // namespace

std::string SourceDir()
{
    const char* fromEnvironment = std::getenv("RV_SOURCE_DIR");
    return fromEnvironment && *fromEnvironment ? fromEnvironment : RV_SOURCE_DIR_DEFAULT;
}

TempFolder::TempFolder(bool withConfig)
{
    std::string pattern = (fs::temp_directory_path() / "rorovavozir-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
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
