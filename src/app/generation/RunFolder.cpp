#include "app/generation/RunFolder.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <set>
#include <string_view>

namespace {

// Attempts at a name before giving up: a clash is already rare at the first.
constexpr int kAttempts = 100;
// A run folder's name: this, then eight lower-case hexadecimal digits.
constexpr std::string_view kNamePrefix = ".my_diary-";
constexpr size_t kNameDigits = 8;
// Descriptors the removal of a run folder holding the skeleton's copy needs, with room to spare:
// one for each level of folders below it, a listing, and its parent with its listing.
constexpr int kRemovalDescriptors = 8;
// Where the user's state keeps the records of run folders.
constexpr std::string_view kRecordKind = "run-folders";

bool IsRunFolderName(std::string_view name)
{
    return name.size() == kNamePrefix.size() + kNameDigits && name.substr(0, kNamePrefix.size()) == kNamePrefix &&
           name.find_first_not_of("0123456789abcdef", kNamePrefix.size()) == std::string_view::npos;
}

// Marks a folder just made as its run's. A run clearing what gone runs left may have opened it
// first and taken the mark, to remove it: the name is then given up for another.
bool Claim(const platform::HeldFolder& outFolder, const std::string& name, const platform::HeldFolder& folder)
{
    if (!folder.MarkInUse() && errno == EWOULDBLOCK)
        return false;
    // Where the file system keeps no marks, no other run can take one to remove the folder.
    return outFolder.HoldsAs(name, folder);
}

// The run folders that the user's runs now gone left in the output folder: recorded as made by
// one, still the user's, and marked by no run, in this process or another. A folder made is
// recorded before it is marked, and a run that clears it holds the mark while it does. Anything
// else of this naming stays, whatever it holds. Records whose folder is no longer here go.
void RemoveAbandoned(const platform::HeldFolder& outFolder, const platform::EntryRecords& records)
{
    // Read before the listing: a folder is made before its record, so every folder recorded by
    // now is listed unless it has gone.
    std::set<platform::EntryRecords::Record> unseen = records.All();
    for (const std::string& name : outFolder.EntryNames()) {
        if (!IsRunFolderName(name))
            continue;
        const platform::HeldFolder folder = outFolder.OpenFolder(name);
        const platform::EntryRecords::Record record = records.Of(folder.Identity());
        if (!folder.IsOpen() || record.empty() || unseen.erase(record) == 0)
            continue;
        if (folder.IsOwn() && folder.MarkInUse() && folder.Remove())
            records.Drop(record);
    }
    for (const platform::EntryRecords::Record& gone : unseen)
        records.Drop(gone);
}

} // namespace

RunFolder RunFolder::Make(const std::string& outFolder)
{
    RunFolder made;
    made.m_outFolder = platform::HeldFolder::Open(outFolder);
    if (!made.m_outFolder.IsOpen())
        return made;
    made.m_records = platform::EntryRecords(kRecordKind, made.m_outFolder.Identity());
    RemoveAbandoned(made.m_outFolder, made.m_records);
    made.m_spares = platform::SpareDescriptors::Reserve(kRemovalDescriptors);
    if (!made.m_spares.Held())
        return made;
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < kAttempts && !made.m_folder.IsOpen(); ++attempt) {
        char digits[kNameDigits + 1];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(random()));
        const std::string name = std::string(kNamePrefix) + digits;
        platform::HeldFolder folder = made.m_outFolder.MakeFolder(name);
        // Only a name taken is worth another; any other reason would stop every attempt.
        if (!folder.IsOpen() && errno == EEXIST)
            continue;
        if (!folder.IsOpen())
            break;
        // Recorded before it is claimed: a clearing run that takes the mark first removes it.
        const platform::EntryRecords::Record record = made.m_records.Add(folder.Identity());
        if (Claim(made.m_outFolder, name, folder)) {
            made.m_folder = std::move(folder);
            made.m_name = name;
            made.m_record = record;
        } else {
            made.m_records.Drop(record);
        }
    }
    return made;
}

bool RunFolder::OutputFolderInPlace(const std::string& outFolder) const
{
    return m_outFolder.IsAt(outFolder);
}

platform::RenameResult RunFolder::MoveOut(const std::string& name, const std::string& newName) const
{
    return m_folder.MoveEntry(name, m_outFolder, newName);
}

bool RunFolder::InPlace() const
{
    return m_outFolder.HoldsAs(m_name, m_folder);
}

void RunFolder::Remove()
{
    m_spares.Release();
    if (m_folder.IsOpen()) {
        // A folder that could not be removed keeps its record, for the next run to clear.
        if (m_folder.Remove())
            m_records.Drop(m_record);
        m_outFolder.RemoveLink(m_name);
    }
    *this = RunFolder();
}
