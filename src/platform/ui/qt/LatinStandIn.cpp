#include "platform/ui/qt/LatinStandIn.h"

#include <fontconfig/fontconfig.h>
#include <memory>

namespace platform::ui::detail {
namespace {

struct PatternFree {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternFree>;

const FcChar8* Bytes(const char* text)
{
    return reinterpret_cast<const FcChar8*>(text);
}

} // namespace

QString LatinStandIn(const QString& face)
{
    const Pattern pattern(FcPatternCreate());
    if (!pattern)
        return {};
    const QByteArray name = face.toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY, Bytes(name.constData()));
    // Set before the defaults, which would add the desktop's language.
    FcPatternAddString(pattern.get(), FC_LANG, Bytes("en"));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* family = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(family));
}

} // namespace platform::ui::detail
