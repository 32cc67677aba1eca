#pragma once
// Descriptors put by for a clean-up: a step that failed for want of descriptors leaves the
// process with none, and removing what it made would fail the same way. Released, they are
// free for the clean-up that follows.

#include <vector>

namespace platform {

class SpareDescriptors {
public:
    SpareDescriptors() = default;
    ~SpareDescriptors() { Release(); }
    SpareDescriptors(SpareDescriptors&& other) noexcept;
    SpareDescriptors& operator=(SpareDescriptors&& other) noexcept;
    SpareDescriptors(const SpareDescriptors&) = delete;
    SpareDescriptors& operator=(const SpareDescriptors&) = delete;

    // Holds `count` descriptors; none when they cannot all be had, errno telling why.
    static SpareDescriptors Reserve(int count);
    bool Held() const { return !m_descriptors.empty(); }
    // Gives them back to the process.
    void Release();

private:
    std::vector<int> m_descriptors;
};

} // namespace platform
