#include "platform/ui/qt/FontFaces.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

namespace platform::ui::detail {
namespace {

constexpr const char* kPackagedFolder = "/usr/share/wine/fonts/";
constexpr const char* kPackagedFiles[] = {"tahoma.ttf",        "tahomabd.ttf", "ms_sans_serif.ttf", "fixedsys.ttf",
                                          "small_fonts.ttf",   "symbol.ttf",   "wingding.ttf",      "webdings.ttf",
                                          "marlett.ttf"};

bool IsSymbolFamily(const QString& family)
{
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return systems.contains(QFontDatabase::Symbol) || !systems.contains(QFontDatabase::Latin);
}

QString DefaultSansFamily()
{
    QFont sans;
    sans.setStyleHint(QFont::SansSerif);
    sans.setFamily(QStringLiteral("sans-serif"));
    return QFontInfo(sans).family();
}

} // namespace

void RegisterPackagedFonts()
{
    static const bool registered = [] {
        for (const char* file : kPackagedFiles)
            QFontDatabase::addApplicationFont(QString::fromLatin1(kPackagedFolder) + QString::fromLatin1(file));
        return true;
    }();
    (void)registered;
}

QString UsableFamily(const QString& face)
{
    // Asked for on every font made, so each face is matched once.
    static QHash<QString, QString> usable;
    if (const auto found = usable.constFind(face); found != usable.constEnd())
        return *found;
    QFont font;
    font.setFamily(face);
    const QString matched = QFontInfo(font).family();
    const bool standIn = matched.compare(face, Qt::CaseInsensitive) != 0;
    const QString family = standIn && IsSymbolFamily(matched) ? DefaultSansFamily() : face;
    usable.insert(face, family);
    return family;
}

} // namespace platform::ui::detail
