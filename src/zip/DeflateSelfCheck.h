#pragma once
// The compressor's self-checks: a failing check only records its message and the work goes
// on; the entry fails at its end when a message was recorded.

namespace zip {

class DeflateSelfCheck {
public:
    void Clear() { m_message = nullptr; }
    void Expect(bool holds, const char* message)
    {
        if (!holds) [[unlikely]]
            m_message = message;
    }
    // The message of the latest failed check, or null.
    const char* Message() const { return m_message; }

private:
    const char* m_message = nullptr;
};

} // namespace zip
