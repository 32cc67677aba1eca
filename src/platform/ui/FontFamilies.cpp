#include "platform/ui/FontFamilies.h"

#include <QFontDatabase>
#include <QStringList>

std::vector<CString> EnumFontFamilies()
{
    std::vector<CString> names;
    for (const QString& family : QFontDatabase::families()) {
        if (!family.startsWith(QLatin1Char('@')))
            names.emplace_back(family.toStdString());
    }
    return names;
}

int EnumFontFamilies(FONTENUMPROC proc, LPARAM lParam)
{
    int answer = 1;
    for (const CString& family : EnumFontFamilies()) {
        LOGFONT logFont;
        logFont.lfFaceName = family.str();
        answer = proc(&logFont, lParam);
        if (answer == 0)
            break;
    }
    return answer;
}
