#pragma once

#include <QByteArrayView>
#include <QString>

namespace vireo {

// When the written file must be on the disk itself, not only in the system's cache.
enum class DiskSync {
    Now,    // before the call returns (a save the user asked for)
    Later,  // the caller syncs it soon with syncToDisk (the recovery journal, many times a minute)
};

// Writes `bytes` to `path`: the new file is written completely next to the old one and only then
// takes its place, so a failed write (or a process killed meanwhile) leaves any existing file
// untouched. On failure returns false and sets `error` to the system's reason.
bool writeFileSafely(const QString& path, QByteArrayView bytes, DiskSync sync,
                     QString* error = nullptr);

// Forces a file written with DiskSync::Later, and the folder entry naming it, onto the disk.
// False when the file is gone or the system refuses.
bool syncToDisk(const QString& path);

}  // namespace vireo
