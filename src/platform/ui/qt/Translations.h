#pragma once
// Qt's own texts (the standard buttons of message boxes, the file and folder dialogs) in the
// desktop's language, from the translations Qt ships.

class QCoreApplication;

namespace platform::ui::detail {

// Installs Qt's translation for the system locale when one is installed; else Qt's English stays.
void InstallDesktopTranslations(QCoreApplication& application);

} // namespace platform::ui::detail
