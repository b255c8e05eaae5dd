#include "recovery/batched_disk_sync.h"

#include <QThreadPool>

#include "files/safe_file_writer.h"
#include "platform/clock.h"

namespace vireo {

BatchedDiskSync::BatchedDiskSync(Clock& clock, int delayMs, QObject* parent)
    : QObject(parent), clock_(clock), delayMs_(delayMs) {}

void BatchedDiskSync::add(const QStringList& files) {
    for (const QString& file : files) files_.insert(file);
    if (waiting_) return;
    waiting_ = true;
    clock_.singleShot(delayMs_, this, [this] { startBatch(); });
}

void BatchedDiskSync::startBatch() {
    waiting_ = false;
    const QSet<QString> batch = std::exchange(files_, {});
    // A file removed meanwhile simply fails to sync: nothing is left to keep.
    QThreadPool::globalInstance()->start([batch] {
        for (const QString& file : batch) syncToDisk(file);
    });
}

void BatchedDiskSync::syncNow() {
    for (const QString& file : std::exchange(files_, {})) syncToDisk(file);
}

}  // namespace vireo
