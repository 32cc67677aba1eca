#pragma once
// Private to the window layer: how DrawText cuts a text into lines.

#include "platform/ui/GdiDefs.h"

#include <QFontMetrics>
#include <QString>
#include <vector>

namespace platform::ui::detail {

struct TextLine {
    QString text;
    int underline = -1;   // where the character marked with '&' starts in `text`, or -1
};

// The lines DrawText shows for `format` (DT_SINGLELINE, DT_WORDBREAK, DT_NOPREFIX,
// DT_END_ELLIPSIS) in a rectangle `width` pixels wide.
std::vector<TextLine> LayoutText(const QString& text, UINT format, int width, const QFontMetrics& metrics);

// Where DrawText starts a line `width` pixels wide between `left` and `right` (exclusive), by the
// format's DT_CENTER and DT_RIGHT.
int LineLeft(UINT format, int left, int right, int width);

} // namespace platform::ui::detail
