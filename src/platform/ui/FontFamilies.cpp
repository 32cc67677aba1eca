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
