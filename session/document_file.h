#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

#include "files/file_stamp.h"
#include "files/kvs_reader.h"

namespace vireo {

class EditingSession;
class LanguageTable;
class Prompter;
class RecentFiles;
class SettingsStore;
struct KvsWriteProblem;
struct RecoveryEntry;

// The message that refuses a save, naming what the file could not keep.
QString saveRefusalText(const KvsWriteProblem& problem, const LanguageTable& language);

// The file of the session's document: its path, the file as it was when opened or last saved,
// the name the window title shows, and the questions of creating, opening and saving the
// document and of closing the window with unsaved changes. There is no modified flag: the
// document has unsaved changes when it differs from the file at its path.
//
// A failed open or save never drops the open document, and a failed save leaves the old file
// as it was. Every command of the "Datei" menu ends with the lamps switched off. The document
// and the vehicle change through the session's intents; what the window shows of the file
// (title, position label) follows the signals.
class DocumentFile : public QObject {
    Q_OBJECT
  public:
    // The language table is read on every prompt, so it may be reloaded in place meanwhile.
    // `settings` keeps the folder of the last file and the recent files across runs.
    DocumentFile(EditingSession& session, Prompter& prompter, const LanguageTable& language,
                 SettingsStore& settings, QObject* parent = nullptr);
    ~DocumentFile() override;

    // Datei_Pfad: the file of the document; empty for a new document.
    const QString& path() const { return path_; }
    // The document's name in the window title: "Neu", the opened path, or the saved path
    // without its last four characters.
    QString documentName() const;
    // The whole title: the document name, six blanks and the vehicle choice text
    // (Fahrzeug_Auswahl, which the window knows).
    QString titleText(const QString& vehicleChoice) const;
    // The file as it was when opened or last saved; none for an untitled document.
    const std::optional<FileStamp>& fileStamp() const { return stamp_; }
    // The list that every file opened or saved joins.
    const RecentFiles& recentFiles() const { return *recent_; }

    // True when the document differs from its file in value (an on-time "0.5" equals "0,5"),
    // or, untitled, holds rows that no example gave it.
    bool hasUnsavedChanges() const;

    // "Neu": asks text::NewQuestion when there are unsaved changes (Yes saves first; Cancel, or a
    // save that is cancelled or fails, ends the command with the document, path and title kept),
    // then empties both sequences and the path. Model and options stay.
    void newDocument();
    // "Öffnen": same question, then the open dialog. Returns true when a file was taken over. A
    // damaged or unreadable file shows text::LoadWarning (title text::FileError) and keeps the
    // current document.
    bool open();
    // "Speichern": a document the file could not keep (see kvsWriteCheck) is refused with a
    // message naming the field, before any dialog; the document and its path stay. Otherwise
    // writes to the path without a dialog when a file of exactly that name is
    // there; otherwise as "Speichern unter". Returns true when the file was written.
    //
    // Every save over the document's own file first checks that the file is still what it was
    // when opened or last saved (fileStamp). When someone else changed it meanwhile, the user
    // chooses: overwrite, save under another name (the save dialog), or cancel (the Escape
    // answer, which keeps the file and the document as they are).
    bool save();
    // "Speichern unter": always the save dialog, starting on the document's own file.
    bool saveAs();
    // The file side of closing the main window: with unsaved changes asks text::SaveQuestion and on
    // Yes runs "Speichern unter". Returns false when the window must stay open: the user cancelled
    // the question, or the save asked for was cancelled or failed.
    bool askOnClose();

    // "Öffnen" of a file chosen elsewhere than in the open dialog: the same question about
    // unsaved changes and the same messages. Returns true when the file was taken over.
    bool openPath(const QString& path);
    // A file chosen from the recent files: a file that no longer exists leaves the list with a
    // message naming it (and nothing is asked); any other opens as openPath.
    bool openRecent(const QString& path);
    // Files dropped on the window: one local .kvs file opens as openPath; anything else is
    // refused with a message.
    bool openDropped(const QList<QUrl>& urls);
    // An example: its sequences become a new, untitled document ("Speichern" asks for a name)
    // for the vehicle chosen now. Asks about unsaved changes first, as "Neu". Left untouched,
    // it has no unsaved changes.
    bool openExample(const QString& path);

    // Where the file dialogs start: the document's folder, else the folder of the file last
    // opened or saved (kept in the settings), else the user's home folder; never the working
    // folder of the process.
    QString startFolder() const;

    // A document a crash left: after the question about unsaved changes it becomes the document
    // with its original path (none for an untitled one) and its vehicle, unsaved, so "Speichern"
    // writes it there. The file counts as it was when the entry's window last opened or saved it,
    // so a file changed since is asked about at the save. Returns true when it was taken over.
    bool restoreRecovered(const RecoveryEntry& entry);
    // An earlier version of a file (or any .kvs file) opens as a new, untitled document with its
    // vehicle: looked at, compared, or saved under a name; its file is never written. Asks about
    // unsaved changes first. Returns true when it was taken over.
    bool openAsUntitled(const QString& file);

    // Loads a file named on the command line at start. Loaded: the document and the path are
    // taken over (the caller then applies model and options as at every start). Damaged or
    // Unreadable: the document is reset as by "Neu", without a question; the caller shows
    // text::ChecksumWrong under text::FileError (damaged) or the load-error report (unreadable,
    // with the read's problem). Lamps are not touched.
    KvsReadResult openAtStart(const QString& path);

  Q_SIGNALS:
    // The path, the file's stamp or the name changed (or were set anew): the title follows.
    void changed();
    // labPos for a new document, which shows no step.
    void positionReset(const QString& text);
    // A save is about to write over the existing file `target`; a direct connection runs
    // before the file is written (the recovery keeps the old file among the earlier versions).
    void aboutToWriteOver(const QString& target);
    // The document was written to its file and equals it now.
    void saved();
    // The window may close, saved or with its changes dropped on purpose.
    void closeAccepted();

  private:
    enum class SaveOutcome { Saved, Cancelled, Failed };

    bool settleUnsavedChanges();
    SaveOutcome saveFlow(bool alwaysAsk);
    QString askForName(const QString& proposal);
    bool changedByOthers(const QString& target) const;
    void noteFolder(const QString& file);
    bool openFlow();
    std::optional<Document> readForOpen(const QString& path);
    bool takeOver(const QString& path);
    void remember(const QString& path);
    void resetToNew();
    // The only place that sets which file the document belongs to: its path (empty for an
    // untitled document), the file as it was then, the name the title shows (empty for "Neu")
    // and, for an untitled example, the content the example gave it.
    void setFile(const QString& path, std::optional<FileStamp> stamp, const QString& name,
                 std::optional<Document> example = std::nullopt);
    QString dialogTitle() const;

    EditingSession& session_;
    Prompter& prompter_;
    const LanguageTable& language_;
    SettingsStore& settings_;
    std::unique_ptr<RecentFiles> recent_;
    QString path_;
    std::optional<FileStamp> stamp_;
    QString documentName_;
    std::optional<Document> example_;  // an untitled document's content as the example gave it
};

}  // namespace vireo
