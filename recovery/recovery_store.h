#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "recovery/recovery_entry.h"

namespace vireo {

// The recovery entries under `<data folder>/recovery`: for each running window a document
// (NAME.kvs), its sidecar (NAME.json) and the lock its window holds (NAME.lock). A window writes
// each new version of its entry under the next generation's names (NAME.G.kvs, NAME.G.json) and
// then removes the one before: a file put in place of an existing one costs milliseconds on some
// file systems, a new one microseconds. The newest generation with both files is the entry; one
// cut off between its two files leaves the one before in force. An entry whose
// lock is held by a running program is live; one whose lock is gone, or left by a program that
// no longer runs, is stale: its window ended without cleaning up, so its document waits to be
// restored.
class RecoveryStore {
  public:
    explicit RecoveryStore(const QString& dataFolder);

    const QString& folder() const { return folder_; }
    QString damagedFolder() const;
    // The files of a generation; generation 0 is NAME.kvs and NAME.json.
    QString documentFile(const QString& name, int generation = 0) const;
    QString sidecarFile(const QString& name, int generation = 0) const;
    QString lockFile(const QString& name) const;
    // True when any document or sidecar of the entry is there.
    bool contains(const QString& name) const;

    struct Scan {
        QList<RecoveryEntry> entries;  // oldest change first
        QStringList damaged;           // names of the entries moved to damagedFolder()
    };
    // The stale entries. A stale entry that cannot be read (cut short, a wrong checksum, a
    // sidecar that is not JSON, one of its two files missing) is moved to damagedFolder(), never
    // deleted, and named in `damaged`. With `withLive`, live entries are listed too (those that
    // read; a live one is never moved).
    Scan scan(bool withLive = false) const;

    // Reads one entry, live or stale; nullopt (with the reason in `problem`) when it cannot.
    std::optional<RecoveryEntry> read(const QString& name, QString* problem = nullptr) const;
    // True when a running program holds the entry's lock.
    bool isLive(const QString& name) const;
    // Removes a stale entry's files (after it was restored, or the user discarded it). A live
    // entry is left alone: false.
    bool discard(const QString& name) const;

  private:
    QStringList filesOf(const QString& name) const;
    QList<int> generationsOf(const QString& name) const;
    bool moveToDamaged(const QString& name) const;

    QString folder_;
};

}  // namespace vireo
