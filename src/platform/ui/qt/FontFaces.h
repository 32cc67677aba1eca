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

// The family to ask for a Windows face: the face itself when installed; else the face the font
// matcher stands in for it in Latin text under any desktop language (other scripts fall back
// from there as ever), or the default sans face where that would be a symbol face, so letters
// stay letters.
QString UsableFamily(const QString& face);

} // namespace platform::ui::detail
