#include "platform/ui/TextOrder.h"

#include <QCollator>
#include <QLocale>
#include <QString>

int lstrcmpi(LPCTSTR a, LPCTSTR b)
{
    // One collator per thread: making one costs far more than a comparison.
    static thread_local const QCollator collator = [] {
        QCollator made{QLocale::system()};
        made.setCaseSensitivity(Qt::CaseInsensitive);
        return made;
    }();
    const int order = collator.compare(QString::fromUtf8(a ? a : ""), QString::fromUtf8(b ? b : ""));
    return (order > 0) - (order < 0);
}
