#include "platform/Shell.h"

#include "platform/Threads.h"
#include "platform/WriteSignals.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
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

enum class Lookup { InPath, AsGiven };

// Starts the program with the signals this process ignores for its writes at their defaults.
// The child, or 0 when it could not be started.
pid_t Spawn(std::vector<std::string> arguments, Lookup lookup)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    if (::posix_spawnattr_init(&attributes) != 0)
        return 0;
    const sigset_t defaults = WriteSignals();
    pid_t child = 0;
    const bool spawned =
        ::posix_spawnattr_setsigdefault(&attributes, &defaults) == 0 &&
        ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF) == 0 &&
        (lookup == Lookup::InPath ? ::posix_spawnp(&child, argv[0], nullptr, &attributes, argv.data(), environ)
                                  : ::posix_spawn(&child, argv[0], nullptr, &attributes, argv.data(), environ)) == 0;
    ::posix_spawnattr_destroy(&attributes);
    return spawned ? child : 0;
}

// Starts the program; its exit status, or -1 when it could not be started.
int RunAndWait(std::vector<std::string> arguments)
{
    const pid_t child = Spawn(std::move(arguments), Lookup::InPath);
    if (child == 0)
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
    // The opener may outlive the request; its answer is awaited without making the caller wait,
    // on a thread started first, so an opener is never left without one to await it.
    auto spawned = std::make_shared<std::promise<pid_t>>();
    const bool awaited = StartDetachedThread([opener = spawned->get_future().share(), failed = std::move(failed)] {
        const pid_t child = opener.get();
        if (child == 0)
            return;
        const auto started = std::chrono::steady_clock::now();
        int status = 0;
        while (::waitpid(child, &status, 0) < 0)
            if (errno != EINTR)
                return;
        const bool answeredSoon = std::chrono::steady_clock::now() - started < kOpenerAnswers;
        if (answeredSoon && !(WIFEXITED(status) && WEXITSTATUS(status) == 0) && failed)
            failed();
    });
    if (!awaited)
        return false;
    const pid_t child = Spawn({"xdg-open", target}, Lookup::InPath);
    spawned->set_value(child);
    return child != 0;
}

int RunAndWait(const std::string& commandLine)
{
    const pid_t child = Spawn({"/bin/sh", "-c", commandLine}, Lookup::AsGiven);
    if (child == 0)
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
    return StartDetachedThread([file, failed = std::move(failed)] {
        if (!AskFileManagerToShow(file) && !ShellOpen(FolderOf(file), failed) && failed)
            failed();
    });
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
