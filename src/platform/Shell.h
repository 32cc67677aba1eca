#pragma once
// The desktop shell: opening a file with its program, or a folder in the file manager, and
// running a command line.

#include <functional>
#include <string>

namespace platform {

// Called once, on a thread of the shell's, when an opener that started reports that it could
// not open what it was asked to.
using ShellFailure = std::function<void()>;

// Asks the desktop to open the file or folder; false when no opener could be started. The
// opener's answer is awaited off the caller's thread: a failure it reports within its first
// seconds reaches `failed`; after that it has handed the target to a program, whose end says
// nothing about the opening.
bool ShellOpen(const std::string& target, ShellFailure failed = {});

// Shows the file selected in the desktop's file manager where its service answers, else opens
// the folder that holds it. The answer is awaited off the caller's thread; `failed` hears when
// neither worked.
bool ShellShowInFolder(const std::string& file, ShellFailure failed = {});
// Runs the command line with /bin/sh, the whole line as one argument so its own quotes group
// its words, and waits for it without a time limit. 0 when the command ran, whatever it
// returned; -1 when it could not be started, a command the shell could not find or run included.
int RunAndWait(const std::string& commandLine);

// Test hook: while set, requests go to the recorder and nothing is launched.
using ShellRecorder = std::function<bool(const std::string& target)>;
void SetShellRecorder(ShellRecorder recorder);
// Test hook for ShellShowInFolder: the recorder gets the file, and nothing is launched.
void SetShowInFolderRecorder(ShellRecorder recorder);

// The file's address as the file manager service takes it: "file://" and the path with every
// byte other than letters, digits, "/" and "-._~" written as %XX.
std::string FileUri(const std::string& path);

} // namespace platform
