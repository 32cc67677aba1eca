#pragma once
// The profile functions keep the parsed form of the files they read, as the system does, so a
// load that reads hundreds of keys parses its file once; a stamp check catches any change. Only
// the files in use stay: the one read last, and others while all together stay small, so a big
// file is let go as soon as another is read.

#include "platform/Profile.h"
#include "platform/ProfileDocument.h"

#include <list>
#include <mutex>
#include <string>

namespace platform {

class ProfileCache {
public:
    static ProfileCache& Instance();

    // Held around every use of a document and of Store.
    std::mutex& Mutex() { return m_mutex; }

    struct Reading {
        const ProfileDocument& document;   // empty unless the file was read
        ProfileFileState state;
        int error;   // why the file was not read as INI text (EILSEQ when it was read, but is none); 0 when it was
    };
    // The file as it is now, reached as a write reaches it (platform::ReadFileBytes). A file
    // larger than kMaxProfileFileBytes is not read.
    Reading Read(const std::string& path);

    // The document just written to the file.
    void Store(const std::string& path, ProfileDocument document);

private:
    struct Entry;
    void Keep(Entry entry);
    void Trim();
    void Forget(const std::string& path);

    std::mutex m_mutex;
    std::list<Entry> m_entries;   // the most recently used first
    ProfileDocument m_empty;
};

} // namespace platform
