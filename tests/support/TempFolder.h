#pragma once
// A fresh folder per test, made the current folder for the test's life, so no test writes
// into the checkout. With withConfig the shipped config/ folder is copied into it. A test program
// that uses it keeps the user's program state ($XDG_STATE_HOME) in a temporary folder of its own.

#include <string>

class TempFolder {
public:
    explicit TempFolder(bool withConfig = false);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // The path of a name inside the folder.
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::string m_path;
    std::string m_previous;
};

// The checkout the tests were built from.
std::string SourceDir();
