#pragma once
// The private profile (INI file) functions, with the Windows behaviour the program relies on:
// section and key names compare without regard to letter case; a value read loses its
// surrounding blanks and one pair of enclosing quotes; a missing file, section or key reads
// as the default, as does a file behind a link that a write would not follow; a write creates
// the file and the section, ends every line with CR LF and leaves every other line, comments
// included, as it was. Unlike Windows, a write puts a value that a read would change inside one
// more pair of quotes, so every value reads back as written.
// On disk the files are GB18030 (UTF-8 files are read too); the text here is UTF-8.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// The largest profile file that is read, or written. The largest the program writes is a
// design: its 1678 keys with every value at the longest a load keeps (1023 bytes) take 1.7 MB;
// real ones take some 40 KB.
inline constexpr size_t kMaxProfileFileBytes = size_t{4} << 20;

// Only a file that is missing or read as INI text is ever written key by key or rewritten
// unasked; the others are replaced by nothing but a ProfileBatch, a save whose file the user named.
enum class ProfileFileState {
    Missing,      // reads as empty
    Read,
    NotIniText,   // read, but no INI text as a whole (ProfileDocument::IsIniText says why)
    TooLarge,     // larger than kMaxProfileFileBytes: not read, reads as empty
    Unreadable,   // a folder, a device, a file we may not read: reads as empty
};

// How the file reads as a profile now; errno tells why when it is neither missing nor read.
ProfileFileState GetProfileFileState(const std::string& file);

// True when the file was written with every value a read would change inside one more pair of
// quotes (it says so below its mark), so each value reads back as it was written. Files written
// before hold their values bare.
bool ProfileValuesReadAsWritten(const std::string& file);

// Missing or read as INI text: what a write may build on without the user naming the file.
bool ReadsAsProfile(ProfileFileState state);

// Returns the value, or the default when there is none; a value longer than fits a buffer of
// bufferSize bytes (terminator included) is cut, counting bytes as stored, at a character boundary.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, size_t bufferSize,
                                    const std::string& file);

// Writes key=value into the section; false, errno telling why, when the file cannot be written
// (it is read-only, its folder is missing, it does not read as a profile: EILSEQ, or would grow
// past kMaxProfileFileBytes: EFBIG) or a name cannot stand in an INI file (EINVAL). The file is
// read as the write reaches it: behind a link the write replaces as itself there is no file, so
// nothing of what such a link leads to is copied into the new one. Line breaks in the value
// become blanks, so a value can never add lines of its own.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& file);

struct ProfileKeyValue {
    std::string_view key;
    std::string_view value;
};

// Writes the keys into the section as that many single writes would, with the file replaced once.
bool WritePrivateProfileStrings(std::string_view section, std::span<const ProfileKeyValue> keys,
                                const std::string& file);

// Writes a file whole in one go: from its start the batch holds the file, as empty, in memory,
// and every WritePrivateProfileString to that path, from any thread, goes there; reads still
// see the file on disk. Publish puts it on disk as a write does, through one new file and one
// rename; a batch ended without Publish (a failed step, an exception) leaves the file as it was.
// Publish replaces the file whatever it held, read or not: open a batch only for a save whose
// file the user named.
// A batch opened on a path that has one open joins it: the outermost one publishes, and an
// inner one ended without Publish makes the whole batch fail.
class ProfileBatch {
public:
    explicit ProfileBatch(std::string file);
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    // Ends the batch. True when the file was written (never past kMaxProfileFileBytes: EFBIG); for an
    // inner batch, when nothing has failed so far. A failed write leaves the reason in errno. Once the outermost batch has ended, writes go to the disk again.
    bool Publish();

private:
    std::string m_file;
    bool m_joined = false;
    bool m_ended = false;
};

} // namespace platform
