#include "platform/SpareDescriptors.h"

#include "platform/SystemError.h"

#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace platform {

SpareDescriptors::SpareDescriptors(SpareDescriptors&& other) noexcept
    : m_descriptors(std::exchange(other.m_descriptors, {}))
{
}

SpareDescriptors& SpareDescriptors::operator=(SpareDescriptors&& other) noexcept
{
    if (this != &other) {
        Release();
        m_descriptors = std::exchange(other.m_descriptors, {});
    }
    return *this;
}

SpareDescriptors SpareDescriptors::Reserve(int count)
{
    SpareDescriptors spares;
    // Held for nothing but their numbers: the root, open for no reading or writing.
    for (int held = 0; held < count; ++held) {
        const int descriptor = ::open("/", O_PATH | O_CLOEXEC);
        if (descriptor < 0) {
            const KeptReason kept;
            spares.Release();
            return spares;
        }
        spares.m_descriptors.push_back(descriptor);
    }
    return spares;
}

void SpareDescriptors::Release()
{
    for (const int descriptor : m_descriptors)
        ::close(descriptor);
    m_descriptors.clear();
}

} // namespace platform
