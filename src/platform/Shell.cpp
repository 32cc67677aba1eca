#include "platform/Shell.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace platform {
namespace {

std::mutex g_recorderMutex;
ShellRecorder g_recorder;
ShellRecorder g_showInFolderRecorder;

// How long the file manager service may take to answer before the folder is opened instead.
constexpr const char* kServiceReplyMs = "--reply-timeout=3000";
// An opener that fails says so at once (xdg-open: 2 no such file, 3 no tool for it, 4 the action
// failed); one still running after this has started the program that shows the target.
constexpr std::chrono::seconds kOpenerAnswers{10};

// Starts the program; its exit status, or -1 when it could not be started.
int RunAndWait(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

bool AskFileManagerToShow(const std::string& file)
{
    return RunAndWait({"dbus-send", "--session", "--print-reply", kServiceReplyMs,
                       "--dest=org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                       "org.freedesktop.FileManager1.ShowItems", "array:string:" + FileUri(file), "string:"}) == 0;
}

std::string FolderOf(const std::string& file)
{
    const size_t slash = file.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
}

} // namespace

bool ShellOpen(const std::string& target, ShellFailure failed)
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
    // The opener may outlive the request; its answer is awaited without making the caller wait.
    std::thread([child, failed = std::move(failed)] {
        const auto started = std::chrono::steady_clock::now();
        int status = 0;
        while (::waitpid(child, &status, 0) < 0)
            if (errno != EINTR)
                return;
        const bool answeredSoon = std::chrono::steady_clock::now() - started < kOpenerAnswers;
        if (answeredSoon && !(WIFEXITED(status) && WEXITSTATUS(status) == 0) && failed)
            failed();
    }).detach();
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

bool ShellShowInFolder(const std::string& file, ShellFailure failed)
{
    {
        std::lock_guard<std::mutex> lock(g_recorderMutex);
        if (g_showInFolderRecorder)
            return g_showInFolderRecorder(file);
    }
    std::thread([file, failed = std::move(failed)] {
        if (!AskFileManagerToShow(file) && !ShellOpen(FolderOf(file), failed) && failed)
            failed();
    }).detach();
    return true;
}

void SetShowInFolderRecorder(ShellRecorder recorder)
{
    std::lock_guard<std::mutex> lock(g_recorderMutex);
    g_showInFolderRecorder = std::move(recorder);
}

std::string FileUri(const std::string& path)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || std::strchr("/-._~", byte) != nullptr) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri;
}

} // namespace platform
