#pragma once
// The framework's archive over a memory file, for the few values stored as bytes: 32-bit
// integers, little-endian as Windows lays them out, read back in the order they were stored.
// There are no exceptions: a read past the end fails the archive instead.

#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CArchive {
public:
    enum Mode { store, load };

    // Storing appends to the bytes; loading reads them from the first.
    CArchive(std::vector<BYTE>& bytes, Mode mode) : m_bytes(bytes), m_mode(mode) {}

    BOOL IsStoring() const { return m_mode == store; }
    BOOL IsLoading() const { return m_mode == load; }

    CArchive& operator<<(std::int32_t value);
    // Past the end the value reads as 0 and the archive stays failed.
    CArchive& operator>>(std::int32_t& value);

    bool Failed() const { return m_failed; }
    // Every byte has been read.
    bool AtEnd() const { return m_position == m_bytes.size(); }

private:
    std::vector<BYTE>& m_bytes;
    Mode m_mode;
    size_t m_position = 0;
    bool m_failed = false;
};
