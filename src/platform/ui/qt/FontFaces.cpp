#include "platform/ui/qt/FontFaces.h"

#include "platform/ui/qt/BitmapBold.h"
#include "platform/ui/qt/LatinStandIn.h"
#include "platform/ui/qt/SfntTables.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>
#include <vector>

namespace platform::ui::detail {
namespace {

constexpr const char* kPackagedFolder = "/usr/share/wine/fonts/";
constexpr const char* kPackagedFiles[] = {"tahoma.ttf",        "tahomabd.ttf", "ms_sans_serif.ttf", "fixedsys.ttf",
                                          "small_fonts.ttf",   "symbol.ttf",   "wingding.ttf",      "webdings.ttf",
                                          "marlett.ttf"};

constexpr int kHeavyFrom = 600;
// Large enough for outlines of different weights to measure apart.
constexpr int kProbePixels = 200;

bool IsSymbolFamily(const QString& family)
{
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return systems.contains(QFontDatabase::Symbol) || !systems.contains(QFontDatabase::Latin);
}


struct PackagedFace {
    QString path;
    QByteArray data;
    QRawFont raw;
};

qreal StemWidth(const QRawFont& face)
{
    const QList<quint32> glyphs = face.glyphIndexesForString(QStringLiteral("l"));
    return glyphs.isEmpty() ? 0 : face.pathForGlyph(glyphs.first()).boundingRect().width();
}

// fonts-wine's Tahoma Bold has the bold face's advances over the regular face's outlines.
bool BoldInNameOnly(const PackagedFace& face, const std::vector<PackagedFace>& faces)
{
    if (face.raw.weight() < kHeavyFrom)
        return false;
    for (const PackagedFace& other : faces)
        if (other.raw.familyName() == face.raw.familyName() && other.raw.weight() < kHeavyFrom &&
            StemWidth(face.raw) <= StemWidth(other.raw))
            return true;
    return false;
}

// The face declared semi-bold and no longer flagged bold (OS/2 weight class and fsSelection,
// head macStyle), so the font engine emboldens its outlines for a bold request while matching
// keeps it as the family's heavy style; empty when the tables are not where they should be.
QByteArray AsSemiBold(QByteArray file)
{
    const qsizetype os2 = TableOffset(file, "OS/2");
    const qsizetype head = TableOffset(file, "head");
    if (os2 < 0 || head < 0 || os2 + 64 > file.size() || head + 46 > file.size())
        return {};
    char* bytes = file.data();
    qToBigEndian<quint16>(kHeavyFrom, bytes + os2 + 4);
    const auto clear = [bytes](qsizetype at, quint16 bit) {
        qToBigEndian<quint16>(static_cast<quint16>(qFromBigEndian<quint16>(bytes + at) & ~bit), bytes + at);
    };
    clear(os2 + 62, 0x20);
    clear(head + 44, 0x1);
    return file;
}

// The font engine neither thickens bitmap glyphs nor finds a bold to draw instead.
bool HasNoBoldButBitmaps(const QString& family)
{
    if (QFontDatabase::isScalable(family))
        return false;
    for (const QString& style : QFontDatabase::styles(family))
        if (QFontDatabase::weight(family, style) >= kHeavyFrom)
            return false;
    return true;
}

} // namespace

void RegisterPackagedFonts()
{
    static const bool registered = [] {
        std::vector<PackagedFace> faces;
        for (const char* file : kPackagedFiles) {
            QFile packaged(QString::fromLatin1(kPackagedFolder) + QString::fromLatin1(file));
            if (packaged.open(QIODevice::ReadOnly)) {
                const QByteArray data = packaged.readAll();
                faces.push_back({packaged.fileName(), data, QRawFont(data, kProbePixels)});
            }
        }
        for (const PackagedFace& face : faces) {
            const QByteArray semiBold = BoldInNameOnly(face, faces) ? AsSemiBold(face.data) : QByteArray();
            if (!semiBold.isEmpty())
                QFontDatabase::addApplicationFontFromData(semiBold);
            else
                QFontDatabase::addApplicationFont(face.path);
        }
        for (const PackagedFace& face : faces) {
            const QByteArray bold = HasNoBoldButBitmaps(face.raw.familyName()) ? SynthesisedBold(face.data) : QByteArray();
            if (!bold.isEmpty())
                QFontDatabase::addApplicationFontFromData(bold);
        }
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
    QString family = face;
    if (!QFontDatabase::hasFamily(face)) {
        family = LatinStandIn(face);
        if (family.isEmpty() || IsSymbolFamily(family))
            family = LatinStandIn(QStringLiteral("sans-serif"));
    }
    usable.insert(face, family);
    return family;
}

} // namespace platform::ui::detail
