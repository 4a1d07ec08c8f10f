// One folder's entries with what the platform's folder search reports of
// each: attributes, 64-bit size and last-write time. The listing is sorted
// by name (without regard to case, then ordinal), standing in for the
// platform's sorted listings, so that "folder order" is the same on every
// file system. "." and ".." are not listed.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <cstdint>
#include <vector>

inline constexpr DWORD kFileAttributeHidden = 0x2;
inline constexpr DWORD kFileAttributeDirectory = 0x10;

struct FolderEntry {
    QString name;
    // kFileAttributeDirectory for a folder (a link to one included);
    // kFileAttributeHidden for a name that starts with '.'.
    DWORD attributes = 0;
    std::uint64_t size = 0;
    // Last write, seconds and nanoseconds since 1970.
    std::int64_t writeSeconds = 0;
    long writeNanoseconds = 0;

    bool IsFolder() const { return (attributes & kFileAttributeDirectory) != 0; }
};

// Negative, 0 or positive: the order of two names in a listing.
int CompareListingNames(const QString& a, const QString& b);

// The folder's entries in listing order; false (and nothing listed) when
// the folder cannot be opened. One stat per entry; an entry that vanishes
// meanwhile is left out, a link that leads nowhere is listed as itself.
bool ListFolder(const QString& folder, std::vector<FolderEntry>* entries);

// One file's entry as a listing would give it; false when it does not exist.
bool StatFolderEntry(const QString& path, FolderEntry* entry);
