#include "app/generation/OutputName.h"

#include "platform/Files.h"
#include "settings/Settings.h"

namespace {

constexpr int kMostNumberedNames = 1000;

// A dangling symbolic link holds its name too: the archive's rename would be refused there, and
// a design saved there would land wherever the link points.
bool Taken(const std::string& path)
{
    return !path.empty() && platform::NameTaken(path);
}

// The first free name of prefix + N + suffix, N from 1; "" when all are taken.
std::string FirstFree(const std::string& prefix, const char* suffix)
{
    for (int n = 1; n <= kMostNumberedNames; ++n) {
        std::string candidate = prefix + std::to_string(n) + suffix;
        if (!Taken(candidate))
            return candidate;
    }
    return {};
}

} // namespace

std::string ChooseOutputFileName(const std::string& outFolder)
{
    if (Taken(platform::JoinPath(outFolder, "my_diary.docx")) && g_strConfigPath.IsEmpty())
        g_strConfigPath = FirstFree(g_strExeFolder.str() + "NewDiary", ".ini");
    return FreeOutputFileName(outFolder);
}

std::string FreeOutputFileName(const std::string& outFolder)
{
    const std::string plain = platform::JoinPath(outFolder, "my_diary.docx");
    return Taken(plain) ? FirstFree(platform::JoinPath(outFolder, "my_diary"), ".docx") : plain;
}
