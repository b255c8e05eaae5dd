#include "recovery/recovery_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <algorithm>
#include <functional>

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
namespace {
QString generationName(const QString& name, int generation) {
    return generation == 0 ? name : name + QStringLiteral(".%1").arg(generation);
}
// An entry's name is its files' names up to the first dot.
QString entryNameOf(const QString& fileName) {
    return fileName.section(QLatin1Char('.'), 0, 0);
}
}  // namespace

QString RecoveryStore::documentFile(const QString& name, int generation) const {
    return QDir(folder_).filePath(generationName(name, generation) + kDocumentSuffix);
}
QString RecoveryStore::sidecarFile(const QString& name, int generation) const {
    return QDir(folder_).filePath(generationName(name, generation) + kSidecarSuffix);
}

// Every file of the entry but its lock: documents, sidecars, and what a write cut short left.
QStringList RecoveryStore::filesOf(const QString& name) const {
    QStringList files;
    const QString prefix = name + QLatin1Char('.');
    for (const QString& file : QDir(folder_).entryList(QDir::Files | QDir::Hidden))
        if (file.startsWith(prefix) && file != name + kLockSuffix) files.append(file);
    return files;
}

bool RecoveryStore::contains(const QString& name) const {
    for (const QString& file : filesOf(name))
        if (file.endsWith(kDocumentSuffix) || file.endsWith(kSidecarSuffix)) return true;
    return false;
}

// The generations that have a document, newest first.
QList<int> RecoveryStore::generationsOf(const QString& name) const {
    QList<int> generations;
    for (const QString& file : filesOf(name)) {
        if (!file.endsWith(kDocumentSuffix)) continue;
        const QString middle =
            file.mid(name.size(), file.size() - name.size() - kDocumentSuffix.size());
        bool ok = middle.isEmpty();
        const int generation = ok ? 0 : middle.mid(1).toInt(&ok);
        if (ok) generations.append(generation);
    }
    std::sort(generations.begin(), generations.end(), std::greater<>());
    return generations;
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
    // The newest generation whose sidecar was written too.
    int generation = 0;
    for (int g : generationsOf(name)) {
        generation = g;
        if (QFileInfo::exists(sidecarFile(name, g))) break;
    }
    QFile sidecar(sidecarFile(name, generation));
    if (!sidecar.open(QIODevice::ReadOnly))
        return fail(sidecar.fileName() + QStringLiteral(": ") + sidecar.errorString());
    if (!readSidecarJson(sidecar.readAll(), &entry))
        return fail(sidecar.fileName() + QStringLiteral(": not a recovery sidecar"));
    KvsReadResult document = readKvsFile(documentFile(name, generation));
    if (document.verdict != KvsVerdict::Loaded)
        return fail(documentFile(name, generation) + QStringLiteral(": ") + document.problem);
    entry.document = std::move(document.document);
    return entry;
}

RecoveryStore::Scan RecoveryStore::scan(bool withLive) const {
    QSet<QString> names;
    const QStringList files = QDir(folder_).entryList(
        {QStringLiteral("*") + kDocumentSuffix, QStringLiteral("*") + kSidecarSuffix}, QDir::Files);
    for (const QString& file : files) names.insert(entryNameOf(file));

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
    const QStringList files = filesOf(name);
    const auto taken = [&](const QString& candidate) {
        for (const QString& file : files)
            if (damaged.exists(candidate + file.mid(name.size()))) return true;
        return false;
    };
    QString target = name;
    for (int n = 2; taken(target); ++n) target = name + QStringLiteral("-%1").arg(n);
    bool moved = true;
    for (const QString& file : files)
        moved = QFile::rename(QDir(folder_).filePath(file),
                              damaged.filePath(target + file.mid(name.size()))) &&
                moved;
    return moved;
}

bool RecoveryStore::discard(const QString& name) const {
    if (isLive(name)) return false;
    for (const QString& file : filesOf(name)) QFile::remove(QDir(folder_).filePath(file));
    return !contains(name);
}

}  // namespace vireo
