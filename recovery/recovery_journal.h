#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>
#include <optional>

#include "files/file_stamp.h"
#include "recovery/batched_disk_sync.h"
#include "recovery/own_recovery_entry.h"

namespace vireo {

class Clock;
class DocumentEditor;
class RecoveryStore;

// What the journal asks about the document besides its content.
struct JournalSource {
    std::function<QString()> path;            // its file; empty when untitled
    std::function<int()> activeSequence;      // the sequence the window shows
    std::function<bool()> hasUnsavedChanges;  // false when it equals its file
    // Its file as last opened or saved; none when unknown (or no function given).
    std::function<std::optional<FileStamp>()> fileStamp;
};

// Keeps this window's recovery entry equal to the document. Every change the editor reports
// (an edit, undo, redo, another vehicle or option string, a reset) writes the whole document
// from a queued call, so it is in the system before the window handles its next input; the sync
// to the disk follows within kSyncDelayMs plus the sync itself, on a worker thread. A document
// equal to its file has no entry.
//
// A failing write (read-only folder, full disk) never stops editing: the journal turns off once
// with the reason, tries again every kRetryMs and with every change, and turns on again by
// itself when a write succeeds.
class RecoveryJournal : public QObject {
    Q_OBJECT
  public:
    static constexpr int kSyncDelayMs = 1000;
    static constexpr int kRetryMs = 5000;

    RecoveryJournal(const RecoveryStore& store, const DocumentEditor& editor, JournalSource source,
                    Clock& clock, QObject* parent = nullptr);

    // Brings the entry up to the document now (what the queued call after a change does).
    void writeNow();
    // The clean end of the window (saved, or the user dropped the changes): the entry and its
    // lock go, and nothing is written any more.
    void finish();

    bool isOn() const { return offReason_.isEmpty(); }
    const QString& offReason() const { return offReason_; }
    const QString& entryName() const { return entry_.name(); }
    bool writePending() const { return writePending_; }
    BatchedDiskSync& diskSync() { return sync_; }

  Q_SIGNALS:
    // Once when a write fails after working (or at the first write), with the system's reason.
    void turnedOff(const QString& reason);
    // Once when a write works again after turnedOff.
    void turnedOn();

  private:
    void onChanged();
    void retryLater();
    bool write(QString* error);

    const DocumentEditor& editor_;
    JournalSource source_;
    Clock& clock_;
    OwnRecoveryEntry entry_;
    BatchedDiskSync sync_;
    QDateTime changed_;
    QString offReason_;
    bool writePending_ = false;
    bool retryWaiting_ = false;
    bool finished_ = false;
};

}  // namespace vireo
