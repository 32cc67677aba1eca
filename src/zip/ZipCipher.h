#pragma once
// The traditional PKWARE encryption: three keys driven by the plain bytes.

#include "platform/WinTypes.h"

#include <cstddef>
#include <string_view>

namespace zip {

class ZipCipher {
public:
    explicit ZipCipher(std::string_view password);

    // Encrypts in place; each byte's plain value moves the keys on.
    void Encrypt(BYTE* data, std::size_t length);

private:
    void Update(BYTE plain);
    BYTE KeystreamByte() const;

    DWORD m_keys[3] = {0x12345678, 0x23456789, 0x34567890};
};

} // namespace zip
