#include "app/generation/RunFolder.h"

#include <cstdio>
#include <random>

namespace {

// Attempts at a name before giving up: a clash is already rare at the first.
constexpr int kAttempts = 100;

} // namespace

RunFolder RunFolder::Make(const std::string& outFolder)
{
    RunFolder made;
    made.m_outFolder = platform::HeldFolder::Open(outFolder);
    if (!made.m_outFolder.IsOpen())
        return made;
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < kAttempts && !made.m_folder.IsOpen(); ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".my_diary-%08x", static_cast<unsigned>(random()));
        made.m_folder = made.m_outFolder.MakeFolder(name);
        if (made.m_folder.IsOpen())
            made.m_name = name;
    }
    return made;
}

bool RunFolder::OutputFolderInPlace(const std::string& outFolder) const
{
    return m_outFolder.IsAt(outFolder);
}

bool RunFolder::InPlace() const
{
    return m_outFolder.HoldsAs(m_name, m_folder);
}

void RunFolder::Remove()
{
    if (m_folder.IsOpen()) {
        m_folder.Remove();
        m_outFolder.RemoveLink(m_name);
    }
    *this = RunFolder();
}
