#pragma once
// The desktop shell: opening a file with its program, or a folder in the file manager.

#include <functional>
#include <string>

namespace platform {

// Asks the desktop to open the file or folder; false when the opener could not be started.
bool ShellOpen(const std::string& target);

// Test hook: while set, requests go to the recorder and nothing is launched.
using ShellRecorder = std::function<bool(const std::string& target)>;
void SetShellRecorder(ShellRecorder recorder);

} // namespace platform
