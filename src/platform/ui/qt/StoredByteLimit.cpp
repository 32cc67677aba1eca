#include "platform/ui/qt/StoredByteLimit.h"

#include "platform/CodePage.h"

#include <algorithm>

namespace platform::ui::detail {
namespace {

size_t StoredBytes(const QString& text)
{
    return EncodedLength(text.toStdString(), DiskEncoding::Gb18030);
}

// The common start and end of two texts, in whole characters.
qsizetype CommonStart(const QString& a, const QString& b)
{
    qsizetype length = 0;
    while (length < a.size() && length < b.size() && a[length] == b[length])
        ++length;
    if (length > 0 && a[length - 1].isHighSurrogate())
        --length;
    return length;
}

qsizetype CommonEnd(const QString& a, const QString& b, qsizetype start)
{
    qsizetype length = 0;
    while (length < a.size() - start && length < b.size() - start && a[a.size() - 1 - length] == b[b.size() - 1 - length])
        ++length;
    if (length > 0 && a[a.size() - length].isLowSurrogate())
        --length;
    return length;
}

} // namespace

StoredByteLimit::StoredByteLimit(QLineEdit& edit, size_t maxStoredBytes)
    : QValidator(&edit), m_maxStoredBytes(maxStoredBytes), m_accepted(edit.text())
{
}

QValidator::State StoredByteLimit::validate(QString& input, int& position) const
{
    if (!m_byProgram && StoredBytes(input) > m_maxStoredBytes) {
        const qsizetype start = CommonStart(m_accepted, input);
        const qsizetype end = CommonEnd(m_accepted, input, start);
        const QString head = input.left(start);
        const QString tail = input.right(end);
        const size_t kept = StoredBytes(head) + StoredBytes(tail);
        const size_t room = m_maxStoredBytes > kept ? m_maxStoredBytes - kept : 0;
        const QString inserted = QString::fromStdString(CutToEncodedBytes(
            input.mid(start, input.size() - start - end).toStdString(), room, DiskEncoding::Gb18030));
        input = head + inserted + tail;
        position = static_cast<int>(start + inserted.size());
    }
    m_accepted = input;
    return Acceptable;
}

StoredByteLimit* StoredByteLimit::Of(const QLineEdit& edit)
{
    return dynamic_cast<StoredByteLimit*>(const_cast<QValidator*>(edit.validator()));
}

void StoredByteLimit::Apply(QLineEdit& edit, size_t maxStoredBytes)
{
    if (StoredByteLimit* limit = Of(edit))
        limit->m_maxStoredBytes = maxStoredBytes;
    else
        edit.setValidator(new StoredByteLimit(edit, maxStoredBytes));
}

void StoredByteLimit::SetProgramText(QLineEdit& edit, const QString& text)
{
    StoredByteLimit* limit = Of(edit);
    if (limit)
        limit->m_byProgram = true;
    edit.setText(text);
    if (limit)
        limit->m_byProgram = false;
}

} // namespace platform::ui::detail
