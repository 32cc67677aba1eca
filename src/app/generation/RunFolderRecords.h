#pragma once
// The run folders that the user's runs made in one output folder and have not removed yet, kept
// in the user's own state ("run-folders" of platform::UserStateFolder), never in the output
// folder: a folder renamed in under a run folder's name carries no record, and no other user can
// write one. Each record is a file of its own, named by the folders' identities, so programs that
// add and drop records at once lose none. Where the state cannot be written nothing is recorded.

#include "platform/HeldFolder.h"

#include <set>
#include <string>

class RunFolderRecords {
public:
    using Record = std::string;

    RunFolderRecords() = default;
    // The records of the run folders made in that output folder.
    explicit RunFolderRecords(const platform::HeldFolder& outFolder);

    // Records the folder, made in the output folder; empty when it could not be recorded.
    Record Add(const platform::HeldFolder& folder) const;
    // The record the folder would have; empty when it can have none.
    Record Of(const platform::HeldFolder& folder) const;
    // The records there are now.
    std::set<Record> All() const;
    void Drop(const Record& record) const;

private:
    std::string m_state;    // empty when there is no state to keep records in
    std::string m_prefix;   // the output folder's part of each record's name
};
