#pragma once
// Private to the window layer: the bold of a face that has bitmaps only. The font engine does
// not thicken bitmap glyphs, so a bold request in such a face would draw regular; Windows draws
// each glyph a second time one pixel to the right, one pixel wider in advance.

#include <QByteArray>

namespace platform::ui::detail {

// A face of one-bit bitmap strikes (a TrueType file) made bold as Windows draws it: each glyph
// with its copy one pixel to the right, advances one pixel wider, weight 700 and flagged bold.
// Empty when the face has no strikes or they are stored in a form not read here.
QByteArray SynthesisedBold(const QByteArray& face);

} // namespace platform::ui::detail
