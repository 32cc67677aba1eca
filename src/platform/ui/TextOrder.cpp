#include "platform/ui/TextOrder.h"

#include <QLocale>

#include <unicode/ucol.h>

#include <cstring>
#include <memory>

namespace {

struct CloseCollator {
    void operator()(UCollator* collator) const { ucol_close(collator); }
};
using Collator = std::unique_ptr<UCollator, CloseCollator>;

// Some languages (Danish, Maltese) put capitals first by default; Windows never does.
Collator OpenUserCollator()
{
    UErrorCode status = U_ZERO_ERROR;
    Collator collator(ucol_open(QLocale::system().name().toStdString().c_str(), &status));
    if (U_FAILURE(status))
        return nullptr;
    ucol_setStrength(collator.get(), UCOL_TERTIARY);
    ucol_setAttribute(collator.get(), UCOL_CASE_FIRST, UCOL_LOWER_FIRST, &status);
    return collator;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

int lstrcmp(LPCTSTR a, LPCTSTR b)
{
    // One collator per thread: opening one costs far more than a comparison.
    static thread_local const Collator collator = OpenUserCollator();
    a = a ? a : "";
    b = b ? b : "";
    // Without ICU's collation data the bytes decide: UTF-8 keeps the order of the characters.
    if (!collator)
        return Sign(std::strcmp(a, b));
    UErrorCode status = U_ZERO_ERROR;
    return Sign(ucol_strcollUTF8(collator.get(), a, -1, b, -1, &status));
}
