#include "recovery/backup_store.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "files/safe_file_writer.h"

namespace vireo {

namespace {
const QString kTimeFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
const QString kPathSuffix = QStringLiteral(".path");
const QString kBackupSuffix = QStringLiteral(".kvs");
}  // namespace

BackupStore::BackupStore(const QString& dataFolder)
    : folder_(QDir(dataFolder).filePath(QStringLiteral("backups"))) {}

QString BackupStore::prefixOf(const QString& path) const {
    const QFileInfo info(path);
    const QByteArray hash =
        QCryptographicHash::hash(info.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(8);
    return info.completeBaseName() + QLatin1Char('-') + QString::fromLatin1(hash);
}

bool BackupStore::keep(const QString& path, QString* error) const {
    QFile original(path);
    if (!original.exists()) return true;
    const auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    if (!original.open(QIODevice::ReadOnly))
        return fail(path + QStringLiteral(": ") + original.errorString());
    const QByteArray bytes = original.readAll();
    if (!QDir().mkpath(folder_))
        return fail(folder_ + QStringLiteral(": cannot create the folder"));

    const QDir dir(folder_);
    const QString prefix = prefixOf(path);
    QString reason;
    const QString index = dir.filePath(prefix + kPathSuffix);
    if (!QFileInfo::exists(index) &&
        !writeFileSafely(index, QFileInfo(path).absoluteFilePath().toUtf8(), DiskSync::Now,
                         &reason))
        return fail(reason);
    // The version is what was saved at its file's time, not at the time it is replaced. Two
    // versions of one millisecond still both stay.
    QDateTime time = QFileInfo(original).lastModified().toUTC();
    if (!time.isValid()) time = QDateTime::currentDateTimeUtc();
    while (dir.exists(prefix + QLatin1Char('-') + time.toString(kTimeFormat) + kBackupSuffix))
        time = time.addMSecs(1);
    const QString target =
        dir.filePath(prefix + QLatin1Char('-') + time.toString(kTimeFormat) + kBackupSuffix);
    if (!writeFileSafely(target, bytes, DiskSync::Now, &reason)) return fail(reason);

    const QList<Backup> versions = versionsWithPrefix(prefix, path);
    for (qsizetype i = kKept; i < versions.size(); ++i) QFile::remove(versions[i].file);
    return true;
}

QList<Backup> BackupStore::versionsWithPrefix(const QString& prefix,
                                              const QString& original) const {
    QList<Backup> versions;
    const QDir dir(folder_);
    const QStringList names =
        dir.entryList({prefix + QStringLiteral("-*") + kBackupSuffix}, QDir::Files);
    for (const QString& fileName : names) {
        const QString name = fileName.chopped(kBackupSuffix.size());
        QDateTime time = QDateTime::fromString(name.mid(prefix.size() + 1), kTimeFormat);
        if (!time.isValid()) continue;  // another file's name that starts alike
        time.setTimeSpec(Qt::UTC);
        const QFileInfo info(dir.filePath(fileName));
        versions.append({name, info.absoluteFilePath(), original, time, info.size()});
    }
    std::sort(versions.begin(), versions.end(),
              [](const Backup& a, const Backup& b) { return a.time > b.time; });
    return versions;
}

QList<Backup> BackupStore::versionsOf(const QString& path) const {
    return versionsWithPrefix(prefixOf(path), QFileInfo(path).absoluteFilePath());
}

QList<Backup> BackupStore::all() const {
    QList<Backup> versions;
    const QDir dir(folder_);
    for (const QString& index : dir.entryList({QStringLiteral("*") + kPathSuffix}, QDir::Files)) {
        QFile file(dir.filePath(index));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString original = QString::fromUtf8(file.readAll());
        versions += versionsWithPrefix(index.chopped(kPathSuffix.size()), original);
    }
    std::sort(versions.begin(), versions.end(),
              [](const Backup& a, const Backup& b) { return a.time > b.time; });
    return versions;
}

}  // namespace vireo
