#pragma once
// A disk that fills up for real: a tmpfs of the given size mounted on an empty folder for the
// object's life, so writes past its room fail with ENOSPC, the metadata's included. Mounting
// needs the right to (root here); without it nothing is mounted and Why() tells the test's reader.

#include <cstddef>
#include <string>

class SmallDisk {
public:
    SmallDisk(const std::string& folder, std::size_t bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_why.empty(); }
    // Why there is no disk; empty when there is one.
    const std::string& Why() const { return m_why; }

private:
    std::string m_folder;
    std::string m_why;
};
