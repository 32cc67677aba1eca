#include "platform/ui/qt/WindowsMetrics.h"

#include <QByteArray>
#include <QRawFont>
#include <cmath>

namespace platform::ui::detail {
namespace {

int BigEndian16(const QByteArray& table, int at)
{
    return at + 2 <= table.size() ? (static_cast<uchar>(table[at]) << 8) | static_cast<uchar>(table[at + 1]) : 0;
}

} // namespace

int WindowsHeights::CellAt(double emPixels) const
{
    return static_cast<int>(std::lround(emPixels * ascent / unitsPerEm) + std::lround(emPixels * descent / unitsPerEm));
}

WindowsHeights WindowsHeightsOf(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray head = raw.fontTable("head");
    const QByteArray os2 = raw.fontTable("OS/2");
    return WindowsHeights{BigEndian16(os2, 74), BigEndian16(os2, 76), BigEndian16(head, 18)};
}

} // namespace platform::ui::detail
