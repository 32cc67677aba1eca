#pragma once
// Whether a UTF-8 text is what someone writing Chinese types: Chinese characters, with Latin
// letters, kana, bopomofo, Hangul, punctuation and symbols beside them.

#include <string_view>

namespace platform {

// True when the text holds at least one common Chinese character and every other character
// above ASCII is assigned, no control, no private use and of a script that goes with Chinese.
// Rare characters (the extension blocks) count against it: GB18030 bytes taken for UTF-8 land
// there far more often than writers do.
bool IsWrittenChinese(std::string_view utf8);

// The same judgement over a text handed in pieces, each ending between two characters.
class WrittenChineseCheck {
public:
    void Add(std::string_view utf8);
    bool Result() const { return m_chinese && !m_foreign; }

private:
    bool m_chinese = false;   // a common Chinese character was seen
    bool m_foreign = false;   // a character that goes with no Chinese text was seen
};

} // namespace platform
