#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

#include "recovery/recovery_entry.h"
#include "recovery/recovery_store.h"

namespace vireo {

// The recovery entry of this window: a fresh name, and the lock that tells others this window
// still runs, held from the first write until remove(). Each write is a new generation of the
// entry's files (see RecoveryStore), written through the safe writer without waiting for the
// disk (see DiskSync::Later); the generation before goes once the new one is complete.
class OwnRecoveryEntry {
  public:
    explicit OwnRecoveryEntry(const RecoveryStore& store);

    const QString& name() const { return name_; }
    // Writes the document and its sidecar (the entry's name is set here). On failure returns
    // false with the reason in `error`; the next write tries again from the start.
    bool write(RecoveryEntry entry, QString* error);
    // Removes the document and the sidecar (the document equals its file again); the lock stays.
    bool clear(QString* error);
    // The clean end: the files and the lock go.
    void remove();
    // The files a write puts in place, for syncing them to the disk.
    QStringList files() const;

  private:
    bool lock(QString* error);

    const RecoveryStore& store_;
    QString name_;
    std::unique_ptr<QLockFile> lock_;
    int generation_ = 0;  // the last one written; 0 before the first write
    bool written_ = false;
};

}  // namespace vireo
