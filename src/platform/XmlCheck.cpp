#include "platform/XmlCheck.h"

#include <QFile>
#include <QXmlStreamReader>

namespace platform {

bool IsWellFormedXml(FileHandle file)
{
    // Unbuffered: the reader takes its own blocks, so no second buffer holds the same bytes.
    QFile device;
    if (!device.open(file, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return false;
    QXmlStreamReader reader(&device);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError() && device.error() == QFileDevice::NoError;
}

} // namespace platform
