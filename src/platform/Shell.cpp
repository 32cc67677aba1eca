#include "platform/Shell.h"

#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace platform {
namespace {

std::mutex g_recorderMutex;
ShellRecorder g_recorder;

} // namespace

bool ShellOpen(const std::string& target)
{
    {
        std::lock_guard<std::mutex> lock(g_recorderMutex);
        if (g_recorder)
            return g_recorder(target);
    }
    std::string program = "xdg-open";
    std::string argument = target;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (::posix_spawnp(&child, "xdg-open", nullptr, nullptr, argv, environ) != 0)
        return false;
    // The opener may outlive the request; reap it without making the caller wait.
    std::thread([child] { ::waitpid(child, nullptr, 0); }).detach();
    return true;
}

void SetShellRecorder(ShellRecorder recorder)
{
    std::lock_guard<std::mutex> lock(g_recorderMutex);
    g_recorder = std::move(recorder);
}

} // namespace platform
