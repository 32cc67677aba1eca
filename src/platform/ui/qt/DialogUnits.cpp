#include "platform/ui/qt/DialogUnits.h"

#include "platform/ui/qt/FontFaces.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <cmath>

namespace platform::ui::detail {

QFont DialogFont(const std::string& face, int points)
{
    QFont font(UsableFamily(QString::fromStdString(face)));
    // Points at 96 pixels per inch, as the dialogs were laid out.
    font.setPixelSize(points * 96 / 72 + ((points * 96) % 72 >= 36 ? 1 : 0));
    return font;
}

namespace {

int BigEndian16(const QByteArray& table, int at)
{
    return at + 2 <= table.size() ? (static_cast<uchar>(table[at]) << 8) | static_cast<uchar>(table[at + 1]) : 0;
}

// The character height as Windows measures it: the face's Windows ascent and descent at the
// size, each rounded. The font engine may read other ascents (a face can ask for its typographic
// ones, or carry small bitmaps), which would lay the dialog out shorter than it was drawn.
int WindowsCellHeight(const QFont& font, int fallback)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray head = raw.fontTable("head");
    const QByteArray os2 = raw.fontTable("OS/2");
    const int unitsPerEm = BigEndian16(head, 18);
    const int ascent = BigEndian16(os2, 74);
    const int descent = BigEndian16(os2, 76);
    if (unitsPerEm == 0 || ascent + descent == 0)
        return fallback;
    const double em = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    return static_cast<int>(std::lround(em * ascent / unitsPerEm) + std::lround(em * descent / unitsPerEm));
}

} // namespace

BaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int average = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    const int height = WindowsCellHeight(font, metrics.height());
    return BaseUnits{average > 0 ? average : 6, height > 0 ? height : 13};
}

QRect DialogUnitsToPixels(const BaseUnits& units, int x, int y, int cx, int cy)
{
    const auto horizontal = [&](int v) { return (v * units.x + 2) / 4; };
    const auto vertical = [&](int v) { return (v * units.y + 4) / 8; };
    return QRect(horizontal(x), vertical(y), horizontal(cx), vertical(cy));
}

} // namespace platform::ui::detail
