#include "app/generation/RunFolderRecords.h"

#include "platform/Files.h"
#include "platform/Folders.h"

#include <cstdio>
#include <optional>

namespace {

// An identity as part of a file name: never a "." in it, which the replacing writer's temporary
// files have, so they are never taken for records.
std::string IdentityText(const platform::FolderIdentity& identity)
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

RunFolderRecords::RunFolderRecords(const platform::HeldFolder& outFolder)
{
    const std::optional<platform::FolderIdentity> identity = outFolder.Identity();
    if (!identity)
        return;
    m_state = platform::UserStateFolder("run-folders");
    m_prefix = IdentityText(*identity) + "_";
}

RunFolderRecords::Record RunFolderRecords::Of(const platform::HeldFolder& folder) const
{
    const std::optional<platform::FolderIdentity> identity = folder.Identity();
    if (m_state.empty() || !identity)
        return {};
    return m_prefix + IdentityText(*identity);
}

RunFolderRecords::Record RunFolderRecords::Add(const platform::HeldFolder& folder) const
{
    const Record record = Of(folder);
    if (record.empty() || !platform::WriteFileReplacing(platform::JoinPath(m_state, record), {}))
        return {};
    return record;
}

std::set<RunFolderRecords::Record> RunFolderRecords::All() const
{
    std::set<Record> records;
    if (m_state.empty())
        return records;
    for (const platform::FolderEntry& entry : platform::ListFolder(m_state).value_or(std::vector<platform::FolderEntry>{}))
        if (entry.name.starts_with(m_prefix) && entry.name.find('.') == std::string::npos)
            records.insert(entry.name);
    return records;
}

void RunFolderRecords::Drop(const Record& record) const
{
    if (!m_state.empty() && !record.empty())
        platform::RemoveFile(platform::JoinPath(m_state, record));
}
