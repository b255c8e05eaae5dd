#pragma once

#include "recovery/recovery_entry.h"

namespace vireo {

// How a recovery entry stands to the file it belongs to, as the recovery offer tells the user.
enum class EntryOnDisk {
    Untitled,   // it never had a file
    FileGone,   // its file is no longer there
    Newer,      // its file holds another (older) document
    SameAsFile  // its file holds the same document (saved elsewhere since)
};

EntryOnDisk entryOnDisk(const RecoveryEntry& entry);

}  // namespace vireo
