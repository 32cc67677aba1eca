#pragma once
// Private to the window layer: the tables of a TrueType file, for the faces the layer registers
// changed.

#include <QByteArray>
#include <QtEndian>
#include <map>

namespace platform::ui::detail {

// A value appended big-endian, as every number of the file is stored.
template <typename T> void Append(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToBigEndian<T>(value, bytes);
    out.append(bytes, sizeof(T));
}

// The offset of a table of a TrueType file, or -1.
qsizetype TableOffset(const QByteArray& file, const char* tag);

// The tables by tag; empty when the directory points outside the file.
std::map<QByteArray, QByteArray> SfntTables(const QByteArray& file);

// A TrueType file of the tables.
QByteArray SfntFile(const std::map<QByteArray, QByteArray>& tables);

} // namespace platform::ui::detail
