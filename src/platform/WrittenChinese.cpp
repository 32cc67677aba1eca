#include "platform/WrittenChinese.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utf8.h>

namespace platform {
namespace {

bool IsCommonChineseCharacter(UChar32 ch)
{
    return (ch >= 0x4E00 && ch <= 0x9FFF) || (ch >= 0xF900 && ch <= 0xFAFF) || ch == 0x3007;
}

bool GoesWithChinese(UScriptCode script)
{
    switch (script) {
    case USCRIPT_COMMON:
    case USCRIPT_INHERITED:
    case USCRIPT_LATIN:
    case USCRIPT_BOPOMOFO:
    case USCRIPT_HIRAGANA:
    case USCRIPT_KATAKANA:
    case USCRIPT_HANGUL:
        return true;
    default:
        return false;
    }
}

} // namespace

bool IsWrittenChinese(std::string_view utf8)
{
    WrittenChineseCheck check;
    check.Add(utf8);
    return check.Result();
}

void WrittenChineseCheck::Add(std::string_view utf8)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto length = static_cast<int32_t>(utf8.size());
    for (int32_t at = 0; at < length && !m_foreign;) {
        UChar32 ch = 0;
        U8_NEXT(bytes, at, length, ch);
        if (ch < 0x80) {
            m_foreign = ch < 0;
            continue;
        }
        if (!u_isdefined(ch) || u_iscntrl(ch) || u_charType(ch) == U_PRIVATE_USE_CHAR) {
            m_foreign = true;
        } else if (IsCommonChineseCharacter(ch)) {
            m_chinese = true;
        } else {
            UErrorCode status = U_ZERO_ERROR;
            m_foreign = !GoesWithChinese(uscript_getScript(ch, &status)) || U_FAILURE(status);
        }
    }
}

} // namespace platform
