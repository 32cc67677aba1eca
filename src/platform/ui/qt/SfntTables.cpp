#include "platform/ui/qt/SfntTables.h"

#include <QtEndian>

namespace platform::ui::detail {
namespace {

constexpr qsizetype kHeader = 12;
constexpr qsizetype kRecord = 16;

quint32 Checksum(const QByteArray& table)
{
    QByteArray padded = table;
    padded.append((4 - padded.size() % 4) % 4, '\0');
    quint32 sum = 0;
    for (qsizetype at = 0; at < padded.size(); at += 4)
        sum += qFromBigEndian<quint32>(padded.constData() + at);
    return sum;
}

} // namespace

qsizetype TableOffset(const QByteArray& file, const char* tag)
{
    if (file.size() < kHeader)
        return -1;
    const int tables = qFromBigEndian<quint16>(file.constData() + 4);
    for (int index = 0; index < tables; ++index) {
        const qsizetype record = kHeader + kRecord * static_cast<qsizetype>(index);
        if (record + kRecord > file.size())
            break;
        if (file.mid(record, 4) == tag)
            return qFromBigEndian<quint32>(file.constData() + record + 8);
    }
    return -1;
}

std::map<QByteArray, QByteArray> SfntTables(const QByteArray& file)
{
    std::map<QByteArray, QByteArray> tables;
    if (file.size() < kHeader)
        return tables;
    const int count = qFromBigEndian<quint16>(file.constData() + 4);
    for (int index = 0; index < count; ++index) {
        const qsizetype record = kHeader + kRecord * static_cast<qsizetype>(index);
        if (record + kRecord > file.size())
            return {};
        const qsizetype offset = qFromBigEndian<quint32>(file.constData() + record + 8);
        const qsizetype length = qFromBigEndian<quint32>(file.constData() + record + 12);
        if (offset + length > file.size())
            return {};
        tables[file.mid(record, 4)] = file.mid(offset, length);
    }
    return tables;
}

QByteArray SfntFile(const std::map<QByteArray, QByteArray>& tables)
{
    const auto count = static_cast<quint16>(tables.size());
    quint16 power = 1, log = 0;
    while (power * 2 <= count) {
        power = static_cast<quint16>(power * 2);
        ++log;
    }
    QByteArray file;
    Append<quint32>(file, 0x00010000);
    Append<quint16>(file, count);
    Append<quint16>(file, static_cast<quint16>(power * kRecord));
    Append<quint16>(file, log);
    Append<quint16>(file, static_cast<quint16>((count - power) * kRecord));
    QByteArray data;
    auto offset = static_cast<quint32>(kHeader + kRecord * count);
    for (const auto& [tag, table] : tables) {
        file.append(tag);
        Append<quint32>(file, Checksum(table));
        Append<quint32>(file, offset + static_cast<quint32>(data.size()));
        Append<quint32>(file, static_cast<quint32>(table.size()));
        data.append(table);
        data.append((4 - table.size() % 4) % 4, '\0');
    }
    return file + data;
}

} // namespace platform::ui::detail
