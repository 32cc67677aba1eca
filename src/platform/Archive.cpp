#include "platform/Archive.h"

namespace {

constexpr size_t kIntBytes = 4;

} // namespace

CArchive& CArchive::operator<<(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (size_t i = 0; i < kIntBytes; ++i)
        m_bytes.push_back(static_cast<BYTE>((bits >> (8 * i)) & 0xFF));
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& value)
{
    value = 0;
    if (m_failed || m_bytes.size() - m_position < kIntBytes) {
        m_failed = true;
        return *this;
    }
    std::uint32_t bits = 0;
    for (size_t i = 0; i < kIntBytes; ++i)
        bits |= static_cast<std::uint32_t>(m_bytes[m_position + i]) << (8 * i);
    m_position += kIntBytes;
    value = static_cast<std::int32_t>(bits);
    return *this;
}
