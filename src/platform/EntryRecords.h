#pragma once
// The entries that the user's program made in one folder and has not removed yet, kept in the
// user's own state (a folder of platform::UserStateFolder), never in that folder: an entry renamed
// in under the program's naming carries no record, and no other user can write one. Each record
// is an empty file of its own, named by the folder's and the entry's identities, so programs that
// add and drop records at once lose none. Where the state cannot be written nothing is recorded.

#include "platform/HeldFolder.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace platform {

class EntryRecords {
public:
    using Record = std::string;

    EntryRecords() = default;
    // The records of one kind of entry ("run-folders") made in the folder of that identity.
    EntryRecords(std::string_view kind, const std::optional<EntryIdentity>& folder);

    // Records the entry of that identity; empty when it could not be recorded.
    Record Add(const std::optional<EntryIdentity>& entry) const;
    // The record the entry would have; empty when it can have none.
    Record Of(const std::optional<EntryIdentity>& entry) const;
    // The records there are now.
    std::set<Record> All() const;
    void Drop(const Record& record) const;

private:
    std::string m_state;    // empty when there is no state to keep records in
    std::string m_prefix;   // the folder's part of each record's name
};

} // namespace platform
