#include "platform/Shell.h"

#include <cerrno>
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

int RunAndWait(const std::string& commandLine)
{
    std::string shell = "/bin/sh";
    std::string option = "-c";
    std::string line = commandLine;
    char* argv[] = {shell.data(), option.data(), line.data(), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, shell.c_str(), nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    // The shell exits with 126 (not runnable) or 127 (not found) when the command never started.
    constexpr int kNotRunnable = 126, kNotFound = 127;
    if (WIFEXITED(status) && (WEXITSTATUS(status) == kNotRunnable || WEXITSTATUS(status) == kNotFound))
        return -1;
    return 0;
}

void SetShellRecorder(ShellRecorder recorder)
{
    std::lock_guard<std::mutex> lock(g_recorderMutex);
    g_recorder = std::move(recorder);
}

} // namespace platform
