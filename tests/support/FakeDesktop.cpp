#include "FakeDesktop.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

FakeDesktop::FakeDesktop(const std::string& folder, std::optional<int> opener, std::optional<int> fileManagerService)
    : m_folder(folder), m_oldPath(std::getenv("PATH") ? std::getenv("PATH") : "")
{
    fs::create_directories(m_folder);
    Install("xdg-open", opener);
    Install("dbus-send", fileManagerService);
    ::setenv("PATH", m_folder.c_str(), 1);
}

FakeDesktop::~FakeDesktop()
{
    ::setenv("PATH", m_oldPath.c_str(), 1);
}

bool FakeDesktop::Ran(const char* program) const
{
    return fs::exists(m_folder + "/" + program + ".ran");
}

void FakeDesktop::Install(const char* program, std::optional<int> status) const
{
    if (!status)
        return;
    const std::string script = m_folder + "/" + program;
    std::ofstream(script) << "#!/bin/sh\n: > \"" << script << ".ran\"\nexit " << *status << "\n";
    fs::permissions(script, fs::perms::owner_all);
}
