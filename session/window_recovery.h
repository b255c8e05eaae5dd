#pragma once

#include <QObject>

#include "recovery/backup_store.h"
#include "recovery/recovery_journal.h"
#include "recovery/recovery_store.h"

namespace vireo {

class Clock;
class EditingSession;
class DocumentFile;
class LanguageTable;

// The crash recovery of one window, without any widget: its journal on the session's document,
// the earlier versions its saves keep, and what the recovery offer at start and the earlier
// versions dialog show and do. The window creates it with its session and the document's file
// and hands it to whoever shows it; everything lives under `dataFolder`.
//
// It follows the document's file: a save over an existing file first keeps that file among the
// earlier versions (a version that cannot be kept does not stop the save; statusText tells of it
// once, and again only after a version could be kept in between), a save brings the journal up
// to the document (its entry goes), and a clean close of the window ends the journal.
class WindowRecovery : public QObject {
    Q_OBJECT
  public:
    WindowRecovery(const QString& dataFolder, EditingSession& session, DocumentFile& file,
                   const LanguageTable& texts, Clock& clock, QObject* parent = nullptr);

    const RecoveryStore& store() const { return store_; }
    const BackupStore& backups() const { return backups_; }
    RecoveryJournal& journal() { return journal_; }

    // --- the offer at start
    // The entries of programs that ended without cleaning up (never this window's, nor those of
    // another running program); damaged ones are moved aside and named in `damaged`.
    RecoveryStore::Scan entriesToOffer() const;
    // The message naming the damaged entries; empty when there are none.
    QString damagedText(const QStringList& damaged) const;
    // One line of the offer: name (or "Unbenannt"), folder, time of the last change, and how the
    // entry stands to its file.
    QString entryLine(const RecoveryEntry& entry) const;
    // The name the discard question shows.
    QString entryName(const RecoveryEntry& entry) const;
    // "Wiederherstellen": the document becomes this window's (see DocumentFile::restoreRecovered);
    // the old entry goes once this window's journal holds the document.
    bool restore(const RecoveryEntry& entry);
    // "Verwerfen", after the user confirmed it.
    bool discard(const RecoveryEntry& entry);

    // --- "Datei - Frühere Versionen…"
    // The earlier versions of the document's file, newest first (none for an untitled one).
    QList<Backup> earlierVersions() const;
    // A version's line: the time it was saved, to the second (versions a few seconds apart are
    // told apart), its size, and for the newest version a mark saying so.
    QString versionLine(const Backup& backup, bool newest = false) const;
    // The dialog's heading: the versions of the document's file, or that there are none.
    QString earlierVersionsHeading() const;
    bool openEarlierVersion(const Backup& backup);

  Q_SIGNALS:
    // For the status line: once when the journal turns off (with the reason) and once when it
    // is on again; once when a save could not keep the earlier version.
    void statusText(const QString& text);

  private:
    void keepVersionOf(const QString& file);

    EditingSession& session_;
    DocumentFile& file_;
    const LanguageTable& texts_;
    RecoveryStore store_;
    BackupStore backups_;
    RecoveryJournal journal_;
    bool keepFailureNoted_ = false;
};

}  // namespace vireo
