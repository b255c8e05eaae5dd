#include "session/file_menu.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "config/settings_keys.h"
#include "files/kvs_comparison.h"
#include "files/kvs_writer.h"
#include "files/recent_files.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"
#include "recovery/backup_store.h"
#include "recovery/recovery_entry.h"
#include "recovery/recovery_journal.h"
#include "sequence/document_editor.h"
#include "sequence/edit_outcome.h"
#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

const QString kSuffix = QStringLiteral("kvs");
const QString kTitleGap = QStringLiteral("      ");

// True when the folder holds a file of exactly this name, letter case included (so a file
// system that ignores case still tells "a.kvs" from "A.kvs").
bool fileExistsExactly(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return false;
    const QStringList names =
        info.dir().entryList({info.fileName()}, QDir::Files | QDir::Hidden | QDir::System);
    return names.contains(info.fileName(), Qt::CaseSensitive);
}

// Switches the lamps off when a menu command ends, on every way out of it.
class LampsOffAtEnd {
  public:
    explicit LampsOffAtEnd(FileMenuHost& host) : host_(host) {}
    ~LampsOffAtEnd() { host_.lampsOff(); }
    LampsOffAtEnd(const LampsOffAtEnd&) = delete;
    LampsOffAtEnd& operator=(const LampsOffAtEnd&) = delete;

  private:
    FileMenuHost& host_;
};

// A document read from a file is saved with the user's form of its on-times, as the rows made
// here are; the values stay as they were.
Document withOnTimeValuesOnly(Document document) {
    for (Sequence& rows : document.sequences)
        for (Step& row : rows) row.time = row.time.valueOnly();
    return document;
}

}  // namespace

QString saveRefusalText(const KvsWriteProblem& problem, const LanguageTable& language) {
    using Field = KvsWriteProblem::Field;
    QString field;
    switch (problem.field) {
        case Field::None:
            return QString();
        case Field::Model:
            field = language.entry(text::ModelCodeField);
            break;
        case Field::Options:
            field = language.entry(text::OptionsField);
            break;
        case Field::Time:
        case Field::Loop:
        case Field::Lamps: {
            const int column = problem.field == Field::Time   ? text::IntervalColumn
                               : problem.field == Field::Loop ? text::LoopColumn
                                                              : text::LampsColumn;
            field = language.entry(text::StepField)
                        .arg(problem.row + 1)
                        .arg(language.entry(problem.sequence == 0 ? text::WelcomeLight
                                                                  : text::GoodbyeLight))
                        .arg(language.entry(column));
            break;
        }
        case Field::Document:
            return language.entry(text::LoadWarning);
    }
    return language.entry(text::SaveRefused).arg(field);
}

FileMenu::FileMenu(DocumentEditor& editor, Prompter& prompter, const LanguageTable& language,
                   FileMenuHost& host)
    : editor_(editor), prompter_(prompter), language_(language), host_(host), documentName_() {}

QString FileMenu::documentName() const {
    // A new document is named in the current language.
    return documentName_.isEmpty() ? withoutAccessLetter(language_.entry(text::New))
                                   : documentName_;
}

QString FileMenu::titleText() const {
    return documentName() + kTitleGap + host_.vehicleChoiceText();
}

void FileMenu::refreshTitle() {
    host_.setWindowTitle(titleText());
}

bool FileMenu::hasUnsavedChanges() const {
    // An example is nobody's file: it is changed once it differs from what was opened.
    if (path_.isEmpty() && example_) return !sameDocumentValues(editor_.document(), *example_);
    return !documentMatchesFile(editor_.document(), path_);
}

QString FileMenu::dialogTitle() const {
    return language_.entry(text::SequenceFileTitle);
}

// Asks text::NewQuestion when the document has unsaved changes; Yes saves to the document's own
// file where it can, No drops the changes. False when the command must stop: the user cancelled, or
// the save did not happen.
bool FileMenu::settleUnsavedChanges() {
    if (!hasUnsavedChanges()) return true;
    switch (prompter_.questionWithCancel(language_.entry(text::NewQuestion), QString())) {
        case QuestionAnswer::Yes:
            return saveFlow(false) == SaveOutcome::Saved;
        case QuestionAnswer::No:
            return true;
        case QuestionAnswer::Cancel:
            break;
    }
    return false;
}

void FileMenu::resetToNew() {
    path_.clear();
    stamp_.reset();
    example_.reset();
    Document empty;
    empty.model = editor_.document().model;
    empty.options = editor_.document().options;
    editor_.reset(empty);
    documentName_.clear();
    refreshTitle();
    host_.setPositionLabel(QStringLiteral("Position 0"));
}

void FileMenu::newDocument() {
    LampsOffAtEnd lampsOff(host_);
    if (!settleUnsavedChanges()) return;
    resetToNew();
}

bool FileMenu::open() {
    LampsOffAtEnd lampsOff(host_);
    return openFlow();
}

bool FileMenu::openFlow() {
    if (!settleUnsavedChanges()) return false;
    const QString chosen =
        prompter_.openFileNameIn(dialogTitle(), language_.entry(text::FileFilter), startFolder());
    if (chosen.isEmpty()) return false;
    return takeOver(chosen);
}

// Reads a file to open; a file that cannot be read shows text::LoadWarning and gives nothing.
std::optional<Document> FileMenu::readForOpen(const QString& path) {
    KvsReadResult read = readKvsFile(path);
    if (read.verdict == KvsVerdict::Loaded) return withOnTimeValuesOnly(std::move(read.document));
    QString text = language_.entry(text::LoadWarning);
    if (read.verdict == KvsVerdict::Unreadable)
        text += QStringLiteral("\n\n") + path + QStringLiteral(": ") + read.problem;
    prompter_.message(text, language_.entry(text::FileError), PromptIcon::Warning);
    return std::nullopt;
}

// Makes the file the document; a file that cannot be read keeps the document.
bool FileMenu::takeOver(const QString& chosen) {
    const std::optional<Document> document = readForOpen(chosen);
    if (!document) return false;
    editor_.reset(*document);
    path_ = chosen;
    stamp_ = stampFile(chosen);
    example_.reset();
    host_.applyLoadedVehicle(document->model, document->options);
    documentName_ = chosen;
    refreshTitle();
    remember(chosen);
    return true;
}

void FileMenu::remember(const QString& path) {
    if (recent_) recent_->add(path);
    noteFolder(path);
}

void FileMenu::noteFolder(const QString& file) {
    if (settings_) settings_->write(settings_keys::kLastFolder, QFileInfo(file).absolutePath());
}

QString FileMenu::startFolder() const {
    if (!path_.isEmpty()) {
        const QFileInfo file(path_);
        if (file.absoluteDir().exists()) return file.absolutePath();
    }
    if (settings_) {
        const QString last = settings_->read(settings_keys::kLastFolder);
        if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    }
    return QDir::homePath();
}

QString FileMenu::askForName(const QString& proposal) {
    return prompter_.saveFileNameProposing(dialogTitle(), language_.entry(text::FileFilter),
                                           kSuffix, proposal);
}

// True when the save would write over the document's own file and that file is no longer what
// this document last read or wrote there.
bool FileMenu::changedByOthers(const QString& target) const {
    if (path_.isEmpty() || !stamp_ || QFileInfo(target) != QFileInfo(path_)) return false;
    return QFileInfo(target).isFile() && fileChangedSince(target, *stamp_);
}

bool FileMenu::openPath(const QString& path) {
    LampsOffAtEnd lampsOff(host_);
    if (!settleUnsavedChanges()) return false;
    return takeOver(path);
}

bool FileMenu::openRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        LampsOffAtEnd lampsOff(host_);
        if (recent_) recent_->remove(path);
        prompter_.message(language_.entry(text::RecentFileGone).arg(QDir::toNativeSeparators(path)),
                          language_.entry(text::FileError), PromptIcon::Warning);
        return false;
    }
    return openPath(path);
}

bool FileMenu::openDropped(const QList<QUrl>& urls) {
    QString refusal;
    if (urls.size() != 1) {
        refusal = language_.entry(text::OneFileAtATime);
    } else {
        const QUrl& url = urls.first();
        const QString path = url.toLocalFile();
        if (url.isLocalFile() && path.endsWith(QStringLiteral(".kvs"), Qt::CaseInsensitive))
            return openPath(path);
        const QString name = url.isLocalFile() ? QDir::toNativeSeparators(path)
                                               : url.toDisplayString(QUrl::PreferLocalFile);
        refusal = language_.entry(text::NotASequenceFile).arg(name);
    }
    LampsOffAtEnd lampsOff(host_);
    prompter_.message(refusal, language_.entry(text::FileError), PromptIcon::Warning);
    return false;
}

bool FileMenu::openExample(const QString& path) {
    LampsOffAtEnd lampsOff(host_);
    if (!settleUnsavedChanges()) return false;
    std::optional<Document> example = readForOpen(path);
    if (!example) return false;
    // The example shows what the lamps can do on the car chosen now; it is nobody's file yet.
    example->model = editor_.document().model;
    example->options = editor_.document().options;
    resetToNew();
    editor_.reset(*example);
    example_ = *example;
    return true;
}

bool FileMenu::save() {
    LampsOffAtEnd lampsOff(host_);
    return saveFlow(false) == SaveOutcome::Saved;
}

bool FileMenu::saveAs() {
    LampsOffAtEnd lampsOff(host_);
    return saveFlow(true) == SaveOutcome::Saved;
}

FileMenu::SaveOutcome FileMenu::saveFlow(bool alwaysAsk) {
    // A file that would not read back is never written: the same check as for documents from
    // elsewhere, before the user is asked for a name.
    const KvsWriteProblem problem = kvsWriteCheck(editor_.document());
    if (problem.any()) {
        prompter_.message(saveRefusalText(problem, language_), language_.entry(text::FileError),
                          PromptIcon::Warning);
        return SaveOutcome::Failed;
    }

    QString target;
    if (!alwaysAsk && !path_.isEmpty() && fileExistsExactly(path_)) {
        target = path_;
    } else {
        // The dialog starts on the document's own file, so that Enter saves over it.
        target = askForName(path_.isEmpty() ? startFolder() : path_);
        if (target.isEmpty()) return SaveOutcome::Cancelled;
    }

    if (changedByOthers(target)) {
        enum { Overwrite, SaveElsewhere, Cancel };
        const QStringList answers{language_.entry(text::OverwriteAnswer),
                                  language_.entry(text::SaveElsewhereAnswer),
                                  language_.entry(text::Cancel)};
        const int answer = prompter_.choose(
            language_.entry(text::FileChangedQuestion).arg(QDir::toNativeSeparators(target)),
            dialogTitle(), answers, Cancel);
        if (answer == SaveElsewhere) {
            // Chosen in the dialog, even the same file again, is a choice made knowingly.
            target = askForName(startFolder());
            if (target.isEmpty()) return SaveOutcome::Cancelled;
        } else if (answer != Overwrite) {
            return SaveOutcome::Cancelled;
        }
    }

    // The file as it was stays among the earlier versions (a failure to keep it leaves the
    // save to go on: the user asked for the save, not for the copy).
    if (backups_ && QFileInfo(target).isFile()) {
        QString why;
        const bool kept = backups_->keep(target, &why);
        // Said once, not at every save, until a version can be kept again.
        if (!kept && !keepFailureNoted_)
            host_.showNote(
                language_.entry(text::VersionNotKept).arg(QDir::toNativeSeparators(target), why));
        keepFailureNoted_ = !kept;
    }
    QString reason;
    if (!writeKvsFile(target, editor_.document(), &reason)) {
        prompter_.message(language_.entry(text::LoadWarning) + QStringLiteral("\n\n") + target +
                              QStringLiteral(": ") + reason,
                          language_.entry(text::FileError), PromptIcon::Warning);
        return SaveOutcome::Failed;
    }
    path_ = target;
    stamp_ = stampFile(target);
    example_.reset();
    documentName_ = target.left(std::max<qsizetype>(0, target.size() - 4));
    refreshTitle();
    remember(target);
    // The document equals its file now: its recovery entry goes.
    if (journal_) journal_->writeNow();
    return SaveOutcome::Saved;
}

bool FileMenu::askOnClose() {
    bool closing = true;
    if (hasUnsavedChanges()) {
        switch (prompter_.questionWithCancel(language_.entry(text::SaveQuestion), QString())) {
            case QuestionAnswer::Yes:
                closing = saveAs();
                break;
            case QuestionAnswer::No:
                break;
            case QuestionAnswer::Cancel:
                closing = false;
                break;
        }
    }
    // Saved, or the changes dropped on purpose: nothing is left to recover.
    if (closing && journal_) journal_->finish();
    return closing;
}

bool FileMenu::restoreRecovered(const RecoveryEntry& entry) {
    LampsOffAtEnd lampsOff(host_);
    if (!settleUnsavedChanges()) return false;
    editor_.reset(entry.document);
    path_ = entry.path;
    // Entries from before file stamps were kept take the file as it is now.
    stamp_ = entry.fileStamp ? entry.fileStamp : stampFile(entry.path);
    if (entry.path.isEmpty()) stamp_.reset();
    example_.reset();
    host_.applyLoadedVehicle(entry.document.model, entry.document.options);
    documentName_ = entry.path;
    refreshTitle();
    return true;
}

bool FileMenu::openAsUntitled(const QString& file) {
    LampsOffAtEnd lampsOff(host_);
    if (!settleUnsavedChanges()) return false;
    const std::optional<Document> document = readForOpen(file);
    if (!document) return false;
    resetToNew();
    editor_.reset(*document);
    host_.applyLoadedVehicle(document->model, document->options);
    return true;
}

KvsReadResult FileMenu::openAtStart(const QString& path) {
    KvsReadResult read = readKvsFile(path);
    if (read.verdict != KvsVerdict::Loaded) {
        resetToNew();
        return read;
    }
    read.document = withOnTimeValuesOnly(std::move(read.document));
    editor_.reset(read.document);
    path_ = path;
    stamp_ = stampFile(path);
    documentName_ = path;
    remember(path);
    return read;
}

}  // namespace vireo
