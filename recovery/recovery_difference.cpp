#include "recovery/recovery_difference.h"

#include <QFileInfo>

#include "files/kvs_comparison.h"

namespace vireo {

EntryOnDisk entryOnDisk(const RecoveryEntry& entry) {
    if (entry.path.isEmpty()) return EntryOnDisk::Untitled;
    if (!QFileInfo(entry.path).isFile()) return EntryOnDisk::FileGone;
    return documentMatchesFile(entry.document, entry.path) ? EntryOnDisk::SameAsFile
                                                           : EntryOnDisk::Newer;
}

}  // namespace vireo
