#pragma once
// The faces the program's windows ask for by their Windows names.

#include <QString>

namespace platform::ui::detail {

// Registers the free faces metric-compatible with the Windows faces the windows are laid out
// in (Tahoma, MS Sans Serif, Fixedsys) and the symbol faces, which their package keeps outside
// the font configuration. Once per process; a missing file is passed over. A bold face whose
// outlines are those of its regular face is registered as semi-bold, so bold requests get
// emboldened outlines at its own (bold) advances.
void RegisterPackagedFonts();

// The family to ask for a Windows face: the face itself, unless it is missing and the font
// matcher would stand a symbol face in for it; then the default sans face, so letters stay
// letters.
QString UsableFamily(const QString& face);

} // namespace platform::ui::detail
