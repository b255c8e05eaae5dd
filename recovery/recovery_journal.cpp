#include "recovery/recovery_journal.h"

#include "platform/clock.h"
#include "sequence/document_editor.h"

namespace vireo {

RecoveryJournal::RecoveryJournal(const RecoveryStore& store, const DocumentEditor& editor,
                                 JournalSource source, Clock& clock, QObject* parent)
    : QObject(parent),
      editor_(editor),
      source_(std::move(source)),
      clock_(clock),
      entry_(store),
      sync_(clock, kSyncDelayMs, this),
      changed_(QDateTime::currentDateTimeUtc()) {
    connect(&editor_, &DocumentEditor::changed, this, &RecoveryJournal::onChanged);
}

void RecoveryJournal::onChanged() {
    changed_ = QDateTime::currentDateTimeUtc();
    if (finished_ || writePending_) return;
    writePending_ = true;
    // Queued, so the file command that reset the document has set its path before the entry
    // is written; posted events run before the next input event.
    QMetaObject::invokeMethod(this, &RecoveryJournal::writeNow, Qt::QueuedConnection);
}

bool RecoveryJournal::write(QString* error) {
    if (!source_.hasUnsavedChanges()) return entry_.clear(error);
    RecoveryEntry entry;
    entry.path = source_.path();
    entry.activeSequence = source_.activeSequence();
    entry.changed = changed_;
    entry.document = editor_.document();
    if (source_.fileStamp) entry.fileStamp = source_.fileStamp();
    if (!entry_.write(std::move(entry), error)) return false;
    sync_.add(entry_.files());
    return true;
}

void RecoveryJournal::writeNow() {
    writePending_ = false;
    if (finished_) return;
    QString error;
    if (write(&error)) {
        if (!isOn()) {
            offReason_.clear();
            Q_EMIT turnedOn();
        }
        return;
    }
    if (error.isEmpty()) error = QStringLiteral("?");
    const bool wasOn = isOn();
    offReason_ = error;
    if (wasOn) Q_EMIT turnedOff(error);
    retryLater();
}

void RecoveryJournal::retryLater() {
    if (retryWaiting_) return;
    retryWaiting_ = true;
    clock_.singleShot(kRetryMs, this, [this] {
        retryWaiting_ = false;
        if (!isOn()) writeNow();
    });
}

void RecoveryJournal::finish() {
    finished_ = true;
    entry_.remove();
}

}  // namespace vireo
