#include "recovery/own_recovery_entry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>

#include "files/kvs_writer.h"
#include "files/safe_file_writer.h"

namespace vireo {

namespace {

// Time, process and a counter: unique among the windows of all programs on this machine.
QString freshName() {
    static std::atomic<int> counter{0};
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral("-%1-%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}

}  // namespace

OwnRecoveryEntry::OwnRecoveryEntry(const RecoveryStore& store)
    : store_(store), name_(freshName()) {}

bool OwnRecoveryEntry::lock(QString* error) {
    if (lock_ && lock_->isLocked()) return true;
    if (!QDir().mkpath(store_.folder())) {
        if (error) *error = store_.folder() + QStringLiteral(": cannot create the folder");
        return false;
    }
    lock_ = std::make_unique<QLockFile>(store_.lockFile(name_));
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return true;
    if (error) *error = store_.lockFile(name_) + QStringLiteral(": cannot create the lock");
    lock_.reset();
    return false;
}

bool OwnRecoveryEntry::write(RecoveryEntry entry, QString* error) {
    if (!lock(error)) return false;
    entry.name = name_;
    const int generation = generation_ + 1;
    const QString document = store_.documentFile(name_, generation);
    // The document first: a sidecar never names a document that is not there yet.
    if (!writeFileSafely(document, kvsBytes(entry.document), DiskSync::Later, error)) return false;
    if (!writeFileSafely(store_.sidecarFile(name_, generation), sidecarJson(entry), DiskSync::Later,
                         error)) {
        QFile::remove(document);
        return false;
    }
    const QStringList before = files();
    generation_ = generation;
    written_ = true;
    for (const QString& file : before) QFile::remove(file);
    return true;
}

bool OwnRecoveryEntry::clear(QString* error) {
    for (const QString& file : files()) {
        QFile f(file);
        if (f.exists() && !f.remove()) {
            if (error) *error = file + QStringLiteral(": ") + f.errorString();
            return false;
        }
    }
    written_ = false;
    return true;
}

void OwnRecoveryEntry::remove() {
    clear(nullptr);
    if (lock_) lock_->unlock();
    lock_.reset();
}

QStringList OwnRecoveryEntry::files() const {
    if (!written_) return {};
    return {store_.documentFile(name_, generation_), store_.sidecarFile(name_, generation_)};
}

}  // namespace vireo
