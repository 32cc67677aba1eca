#include "zip/ZipCipher.h"

#include "zip/Crc32.h"

namespace zip {

ZipCipher::ZipCipher(std::string_view password)
{
    for (char c : password)
        Update(static_cast<BYTE>(c));
}

void ZipCipher::Update(BYTE plain)
{
    m_keys[0] = Crc32Step(m_keys[0], plain);
    m_keys[1] = (m_keys[1] + (m_keys[0] & 0xFF)) * 134775813u + 1;
    m_keys[2] = Crc32Step(m_keys[2], static_cast<BYTE>(m_keys[1] >> 24));
}

BYTE ZipCipher::KeystreamByte() const
{
    const unsigned temp = (m_keys[2] & 0xFFFF) | 2;
    return static_cast<BYTE>((temp * (temp ^ 1)) >> 8);
}

void ZipCipher::Encrypt(BYTE* data, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        const BYTE plain = data[i];
        data[i] = static_cast<BYTE>(plain ^ KeystreamByte());
        Update(plain);
    }
}

} // namespace zip
