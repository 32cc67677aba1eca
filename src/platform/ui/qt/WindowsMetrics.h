#pragma once
// Private to the window layer: a face's height as Windows measures it, from its Windows ascent
// and descent. Font engines may read other ascents (a face can ask for its typographic ones, as
// the free Tahoma does, or carry small bitmaps), which would size and lay text out apart from
// the desktop the windows were made on.

#include <QFont>

namespace platform::ui::detail {

struct WindowsHeights {
    int ascent = 0;       // in the face's design units
    int descent = 0;
    int unitsPerEm = 0;

    bool Known() const { return unitsPerEm > 0 && ascent + descent > 0; }
    // The character cell at an em of that many pixels: ascent and descent each rounded.
    int CellAt(double emPixels) const;
};

// Of the face the font is drawn in; not Known when the face has no such tables.
WindowsHeights WindowsHeightsOf(const QFont& font);

} // namespace platform::ui::detail
