#pragma once

#include <QObject>
#include <QSet>
#include <QString>

namespace vireo {

class Clock;

// Puts files written with DiskSync::Later onto the disk, in batches: the first file added starts
// a wait of `delayMs`; then every file added meanwhile is synced on a worker thread, so a burst
// of edits costs one sync per file and the window's thread never waits for the disk.
class BatchedDiskSync : public QObject {
    Q_OBJECT
  public:
    BatchedDiskSync(Clock& clock, int delayMs, QObject* parent = nullptr);

    void add(const QStringList& files);
    bool pending() const { return !files_.isEmpty(); }
    // Syncs the files added so far now, on the calling thread.
    void syncNow();

  private:
    void startBatch();

    Clock& clock_;
    int delayMs_;
    QSet<QString> files_;
    bool waiting_ = false;
};

}  // namespace vireo
