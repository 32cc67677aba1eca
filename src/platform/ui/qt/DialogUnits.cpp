#include "platform/ui/qt/DialogUnits.h"

#include "platform/ui/qt/FontFaces.h"
#include "platform/ui/qt/WindowsMetrics.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace platform::ui::detail {

QFont DialogFont(const std::string& face, int points)
{
    QFont font(UsableFamily(QString::fromStdString(face)));
    // Points at 96 pixels per inch, as the dialogs were laid out.
    font.setPixelSize(points * 96 / 72 + ((points * 96) % 72 >= 36 ? 1 : 0));
    return font;
}

BaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int average = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    // The character height as Windows measures it.
    const WindowsHeights windows = WindowsHeightsOf(font);
    const int height = windows.Known() ? windows.CellAt(font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize())
                                       : metrics.height();
    return BaseUnits{average > 0 ? average : 6, height > 0 ? height : 13};
}

QRect DialogUnitsToPixels(const BaseUnits& units, int x, int y, int cx, int cy)
{
    const auto horizontal = [&](int v) { return (v * units.x + 2) / 4; };
    const auto vertical = [&](int v) { return (v * units.y + 4) / 8; };
    return QRect(horizontal(x), vertical(y), horizontal(cx), vertical(cy));
}

} // namespace platform::ui::detail
