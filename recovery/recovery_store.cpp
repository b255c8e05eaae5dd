#include "recovery/recovery_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <algorithm>

#include "files/kvs_reader.h"

namespace vireo {

namespace {
const QString kDocumentSuffix = QStringLiteral(".kvs");
const QString kSidecarSuffix = QStringLiteral(".json");
const QString kLockSuffix = QStringLiteral(".lock");
}  // namespace

RecoveryStore::RecoveryStore(const QString& dataFolder)
    : folder_(QDir(dataFolder).filePath(QStringLiteral("recovery"))) {}

QString RecoveryStore::damagedFolder() const {
    return QDir(folder_).filePath(QStringLiteral("damaged"));
}
QString RecoveryStore::documentFile(const QString& name) const {
    return QDir(folder_).filePath(name + kDocumentSuffix);
}
QString RecoveryStore::sidecarFile(const QString& name) const {
    return QDir(folder_).filePath(name + kSidecarSuffix);
}
QString RecoveryStore::lockFile(const QString& name) const {
    return QDir(folder_).filePath(name + kLockSuffix);
}

bool RecoveryStore::isLive(const QString& name) const {
    QLockFile lock(lockFile(name));
    // Only a lock whose program is gone counts as stale, however old it is.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();  // nobody held it (or a crashed program did): removes it again
        return false;
    }
    return lock.error() == QLockFile::LockFailedError;
}

std::optional<RecoveryEntry> RecoveryStore::read(const QString& name, QString* problem) const {
    const auto fail = [&](const QString& reason) -> std::optional<RecoveryEntry> {
        if (problem) *problem = reason;
        return std::nullopt;
    };
    RecoveryEntry entry;
    entry.name = name;
    QFile sidecar(sidecarFile(name));
    if (!sidecar.open(QIODevice::ReadOnly))
        return fail(sidecar.fileName() + QStringLiteral(": ") + sidecar.errorString());
    if (!readSidecarJson(sidecar.readAll(), &entry))
        return fail(sidecar.fileName() + QStringLiteral(": not a recovery sidecar"));
    KvsReadResult document = readKvsFile(documentFile(name));
    if (document.verdict != KvsVerdict::Loaded)
        return fail(documentFile(name) + QStringLiteral(": ") + document.problem);
    entry.document = std::move(document.document);
    return entry;
}

RecoveryStore::Scan RecoveryStore::scan(bool withLive) const {
    QSet<QString> names;
    const QStringList files = QDir(folder_).entryList(
        {QStringLiteral("*") + kDocumentSuffix, QStringLiteral("*") + kSidecarSuffix}, QDir::Files);
    for (const QString& file : files) names.insert(QFileInfo(file).completeBaseName());

    Scan scan;
    for (const QString& name : names) {
        const bool live = isLive(name);
        if (live && !withLive) continue;
        if (std::optional<RecoveryEntry> entry = read(name)) {
            scan.entries.append(std::move(*entry));
        } else if (!live && moveToDamaged(name)) {
            scan.damaged.append(name);
        }
    }
    std::sort(scan.entries.begin(), scan.entries.end(),
              [](const RecoveryEntry& a, const RecoveryEntry& b) {
                  return a.changed != b.changed ? a.changed < b.changed : a.name < b.name;
              });
    std::sort(scan.damaged.begin(), scan.damaged.end());
    return scan;
}

// Moves whatever files of the entry there are; a name already taken in the damaged folder gets
// a number, so nothing there is overwritten.
bool RecoveryStore::moveToDamaged(const QString& name) const {
    if (!QDir().mkpath(damagedFolder())) return false;
    const QDir damaged(damagedFolder());
    QString target = name;
    for (int n = 2;
         damaged.exists(target + kDocumentSuffix) || damaged.exists(target + kSidecarSuffix); ++n)
        target = name + QStringLiteral("-%1").arg(n);
    bool moved = true;
    for (const QString& suffix : {kDocumentSuffix, kSidecarSuffix}) {
        const QString from = QDir(folder_).filePath(name + suffix);
        if (QFileInfo::exists(from))
            moved = QFile::rename(from, damaged.filePath(target + suffix)) && moved;
    }
    return moved;
}

bool RecoveryStore::discard(const QString& name) const {
    if (isLive(name)) return false;
    QFile::remove(documentFile(name));
    QFile::remove(sidecarFile(name));
    return !QFileInfo::exists(documentFile(name)) && !QFileInfo::exists(sidecarFile(name));
}

}  // namespace vireo
