#pragma once
// A desktop whose programs (the opener xdg-open and the file manager service's dbus-send) are
// scripts ending with the given statuses, alone on the PATH while the object lives. A program
// given no status is not installed. Each script leaves "<its name>.ran" in the folder as it runs.

#include <optional>
#include <string>

class FakeDesktop {
public:
    FakeDesktop(const std::string& folder, std::optional<int> opener, std::optional<int> fileManagerService);
    ~FakeDesktop();
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    bool Ran(const char* program) const;

private:
    void Install(const char* program, std::optional<int> status) const;

    std::string m_folder;
    std::string m_oldPath;
};
