#pragma once
// Private to the window layer: dialog units to pixels with the dialog font's base units, as
// Windows converts them (a horizontal unit is a quarter of the average character width, a
// vertical unit an eighth of the character height).

#include <QFont>
#include <QRect>
#include <string>

namespace platform::ui::detail {

struct BaseUnits {
    int x = 6;
    int y = 13;
};

QFont DialogFont(const std::string& face, int points);
BaseUnits BaseUnitsOf(const QFont& font);
QRect DialogUnitsToPixels(const BaseUnits& units, int x, int y, int cx, int cy);

} // namespace platform::ui::detail
