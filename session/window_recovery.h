#pragma once

#include <QObject>

#include "recovery/backup_store.h"
#include "recovery/recovery_journal.h"
#include "recovery/recovery_store.h"

namespace vireo {

class Clock;
class EditingSession;
class FileMenu;
class LanguageTable;

// The crash recovery of one window, without any widget: its journal on the session's document,
// the earlier versions its saves keep, and what the recovery offer at start and the earlier
// versions dialog show and do. The window creates it as its child (the start-up finds it
// there) once its session and file commands exist; everything lives under `dataFolder`.
class WindowRecovery : public QObject {
    Q_OBJECT
  public:
    WindowRecovery(const QString& dataFolder, EditingSession& session, FileMenu& menu,
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
    // "Wiederherstellen": the document becomes this window's (see FileMenu::restoreRecovered);
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
    // is on again.
    void statusText(const QString& text);

  private:
    EditingSession& session_;
    FileMenu& menu_;
    const LanguageTable& texts_;
    RecoveryStore store_;
    BackupStore backups_;
    RecoveryJournal journal_;
};

}  // namespace vireo
