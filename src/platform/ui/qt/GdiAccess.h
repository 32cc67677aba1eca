#pragma once
// Private to the window layer: what the window core needs of pens, brushes, fonts, bitmaps
// and icons (control fonts, pictures on statics and buttons, colours of control brushes).

#include "platform/ui/GdiDefs.h"

#include <QFont>
#include <QImage>
#include <optional>

namespace platform::ui::detail {

HBITMAP MakeBitmap(const QImage& image, bool monochrome = false);
HICON MakeIcon(const QImage& image);
// A font handle for a widget's font, so a DC lent to an owner draws in it.
HFONT MakeFont(const QFont& font);
// The pixels of a bitmap or icon, or nullptr for any other handle.
const QImage* ImageOf(HGDIOBJ bitmapOrIcon);
// The font of a font handle; DEFAULT_GUI_FONT's for any other handle.
QFont FontOf(HFONT font);
// The colour a brush fills with; none for the null brush or a dead handle.
std::optional<COLORREF> BrushColour(HBRUSH brush);

// Black and white only, each pixel the nearer of the two; alpha stays.
QImage Monochrome(const QImage& image);

} // namespace platform::ui::detail
