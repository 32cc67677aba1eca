#include "platform/ui/TextOrder.h"

#include <QLocale>

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct CloseCollator {
    void operator()(UCollator* collator) const { ucol_close(collator); }
};
using Collator = std::unique_ptr<UCollator, CloseCollator>;

// Windows' tables put Latin before Han in every language; a Chinese collation puts Han first, so
// the language's collator is asked only for the letters themselves (its pinyin, Danish æ ø å),
// with every script in its usual place.
Collator OpenLetterCollator()
{
    UErrorCode status = U_ZERO_ERROR;
    Collator collator(ucol_open(QLocale::system().name().toStdString().c_str(), &status));
    if (U_FAILURE(status))
        return nullptr;
    ucol_setStrength(collator.get(), UCOL_PRIMARY);
    const int32_t noReordering = UCOL_REORDER_CODE_NONE;
    ucol_setReorderCodes(collator.get(), &noReordering, 1, &status);
    return U_SUCCESS(status) ? std::move(collator) : nullptr;
}

// Accents and then case decide between texts of the same letters as everywhere: pinyin puts
// "É" before "e", Windows never does; Danish puts capitals first, Windows never does.
Collator OpenAccentAndCaseCollator()
{
    UErrorCode status = U_ZERO_ERROR;
    Collator collator(ucol_open("", &status));
    if (U_FAILURE(status))
        return nullptr;
    ucol_setStrength(collator.get(), UCOL_TERTIARY);
    ucol_setAttribute(collator.get(), UCOL_CASE_FIRST, UCOL_LOWER_FIRST, &status);
    return U_SUCCESS(status) ? std::move(collator) : nullptr;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

int Collate(const UCollator* collator, const std::string& a, const std::string& b)
{
    UErrorCode status = U_ZERO_ERROR;
    return Sign(ucol_strcollUTF8(collator, a.c_str(), static_cast<int32_t>(a.size()), b.c_str(),
                                 static_cast<int32_t>(b.size()), &status));
}

// A word sort passes over hyphens and apostrophes, so "co-op" stays beside "coop"; both are
// ASCII, never part of a longer UTF-8 character.
std::string WithoutHyphensAndApostrophes(std::string text)
{
    std::erase_if(text, [](char c) { return c == '-' || c == '\''; });
    return text;
}

} // namespace

int lstrcmp(LPCTSTR a, LPCTSTR b)
{
    // One pair of collators per thread: opening one costs far more than a comparison.
    static thread_local const Collator letters = OpenLetterCollator();
    static thread_local const Collator accentsAndCase = OpenAccentAndCaseCollator();
    const std::string first = a ? a : "";
    const std::string second = b ? b : "";
    // Without ICU's collation data the bytes decide: UTF-8 keeps the order of the characters.
    if (!letters || !accentsAndCase)
        return Sign(std::strcmp(first.c_str(), second.c_str()));
    const std::string firstWord = WithoutHyphensAndApostrophes(first);
    const std::string secondWord = WithoutHyphensAndApostrophes(second);
    if (const int order = Collate(letters.get(), firstWord, secondWord))
        return order;
    if (const int order = Collate(accentsAndCase.get(), firstWord, secondWord))
        return order;
    return Collate(accentsAndCase.get(), first, second);
}
