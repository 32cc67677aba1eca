#pragma once
// The desktop shell: opening a file with its program, or a folder in the file manager.

#include <functional>
#include <string>

namespace platform {

// Asks the desktop to open the file or folder; false when the opener could not be started.
bool ShellOpen(const std::string& target);

// Shows the file selected in the desktop's file manager where its service answers, else opens
// the folder that holds it. The answer is awaited off the caller's thread.
bool ShellShowInFolder(const std::string& file);

// Test hook: while set, requests go to the recorder and nothing is launched.
using ShellRecorder = std::function<bool(const std::string& target)>;
void SetShellRecorder(ShellRecorder recorder);
// Test hook for ShellShowInFolder: the recorder gets the file, and nothing is launched.
void SetShowInFolderRecorder(ShellRecorder recorder);

// The file's address as the file manager service takes it: "file://" and the path with every
// byte other than letters, digits, "/" and "-._~" written as %XX.
std::string FileUri(const std::string& path);

} // namespace platform
