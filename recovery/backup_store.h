#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace vireo {

// One earlier version of a file, kept before a save replaced it.
struct Backup {
    QString name;      // its file name without ".kvs"
    QString file;      // where the backup is
    QString original;  // the file it is an earlier version of
    QDateTime time;    // when it was saved: the file's modification time as it was kept (UTC)
    qint64 size = 0;
};

// The earlier versions under `<data folder>/backups`: NAME.kvs, named by the file's base name,
// a short hash of its whole path (two files of one name in different folders keep apart) and
// the time; beside them one STEM-HASH.path per file naming the file. The last kKept versions
// of each file stay.
class BackupStore {
  public:
    static constexpr int kKept = 10;

    explicit BackupStore(const QString& dataFolder);
    const QString& folder() const { return folder_; }

    // Keeps `path` as it is on the disk, before a save replaces it (through the safe writer),
    // under the time it was saved (its modification time), and lets the oldest versions beyond
    // kKept go. A path with no file keeps nothing: true. False with the reason in `error` when
    // the copy cannot be written.
    bool keep(const QString& path, QString* error = nullptr) const;
    // The versions of one file, newest first.
    QList<Backup> versionsOf(const QString& path) const;
    // The versions of every file, newest first.
    QList<Backup> all() const;

  private:
    QString prefixOf(const QString& path) const;
    QList<Backup> versionsWithPrefix(const QString& prefix, const QString& original) const;

    QString folder_;
};

}  // namespace vireo
