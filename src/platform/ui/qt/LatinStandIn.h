#pragma once
// Private to the window layer: the installed face that stands in for a missing one in Latin text.

#include <QString>

namespace platform::ui::detail {

// The family the font matcher picks for the face in English text, whatever the desktop's
// language; empty when it picks none. The matcher ranks faces by the desktop's language too:
// under a Chinese desktop every missing face (微软雅黑, Microsoft Sans Serif) becomes WenQuanYi,
// whose Latin letters have no bold style, so emboldened they read as regular beside the
// emboldened Chinese; under others it becomes a Latin face with a bold of its own.
QString LatinStandIn(const QString& face);

} // namespace platform::ui::detail
