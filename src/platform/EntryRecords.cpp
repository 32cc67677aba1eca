#include "platform/EntryRecords.h"

#include "platform/Files.h"
#include "platform/Folders.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

std::string IdentityText(const EntryIdentity& identity)
{
    char text[96];
    std::snprintf(text, sizeof text, "%llx-%llx", identity.device, identity.inode);
    std::string written = text;
    if (identity.birthKnown) {
        std::snprintf(text, sizeof text, "-%llx-%x", static_cast<unsigned long long>(identity.bornSeconds),
                      identity.bornNanoseconds);
        written += text;
    }
    return written;
}

} // namespace

EntryRecords::EntryRecords(std::string_view kind, const std::optional<EntryIdentity>& folder)
{
    if (!folder)
        return;
    m_state = UserStateFolder(kind);
    m_prefix = IdentityText(*folder) + "_";
}

EntryRecords::Record EntryRecords::Of(const std::optional<EntryIdentity>& entry) const
{
    if (m_state.empty() || !entry)
        return {};
    return m_prefix + IdentityText(*entry);
}

EntryRecords::Record EntryRecords::Add(const std::optional<EntryIdentity>& entry) const
{
    // Made as it is, not replaced: the replacing writer records its own new files here.
    const Record record = Of(entry);
    const int fd = record.empty() ? -1
                                  : ::open(JoinPath(m_state, record).c_str(),
                                           O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return {};
    ::close(fd);
    return record;
}

std::set<EntryRecords::Record> EntryRecords::All() const
{
    std::set<Record> records;
    if (m_state.empty())
        return records;
    for (const FolderEntry& entry : ListFolder(m_state).value_or(std::vector<FolderEntry>{}))
        if (entry.name.starts_with(m_prefix))
            records.insert(entry.name);
    return records;
}

void EntryRecords::Drop(const Record& record) const
{
    if (!m_state.empty() && !record.empty())
        ::unlink(JoinPath(m_state, record).c_str());
}

} // namespace platform
