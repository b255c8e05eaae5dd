#include "session/document_file.h"

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
#include "recovery/recovery_entry.h"
#include "sequence/document_editor.h"
#include "sequence/edit_outcome.h"
#include "sequence/step_table.h"
#include "session/editing_session.h"
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
    explicit LampsOffAtEnd(EditingSession& session) : session_(session) {}
    ~LampsOffAtEnd() { session_.lampsOff(); }
    LampsOffAtEnd(const LampsOffAtEnd&) = delete;
    LampsOffAtEnd& operator=(const LampsOffAtEnd&) = delete;

  private:
    EditingSession& session_;
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

DocumentFile::DocumentFile(EditingSession& session, Prompter& prompter,
                           const LanguageTable& language, SettingsStore& settings, QObject* parent)
    : QObject(parent),
      session_(session),
      prompter_(prompter),
      language_(language),
      settings_(settings),
      recent_(std::make_unique<RecentFiles>(settings)) {}

DocumentFile::~DocumentFile() = default;

QString DocumentFile::documentName() const {
    // A new document is named in the current language.
    return documentName_.isEmpty() ? withoutAccessLetter(language_.entry(text::New))
                                   : documentName_;
}

QString DocumentFile::titleText(const QString& vehicleChoice) const {
    return documentName() + kTitleGap + vehicleChoice;
}

void DocumentFile::setFile(const QString& path, std::optional<FileStamp> stamp, const QString& name,
                           std::optional<Document> example) {
    path_ = path;
    stamp_ = std::move(stamp);
    documentName_ = name;
    example_ = std::move(example);
    Q_EMIT changed();
}

bool DocumentFile::hasUnsavedChanges() const {
    // An example is nobody's file: it is changed once it differs from what was opened.
    if (path_.isEmpty() && example_) return !sameDocumentValues(session_.document(), *example_);
    return !documentMatchesFile(session_.document(), path_);
}

QString DocumentFile::dialogTitle() const {
    return language_.entry(text::SequenceFileTitle);
}

// Asks text::NewQuestion when the document has unsaved changes; Yes saves to the document's own
// file where it can, No drops the changes. False when the command must stop: the user cancelled, or
// the save did not happen.
bool DocumentFile::settleUnsavedChanges() {
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

void DocumentFile::resetToNew() {
    Document empty;
    empty.model = session_.document().model;
    empty.options = session_.document().options;
    session_.resetDocument(empty);
    setFile(QString(), std::nullopt, QString());
    Q_EMIT positionReset(positionText(-1, language_));
}

void DocumentFile::newDocument() {
    LampsOffAtEnd lampsOff(session_);
    if (!settleUnsavedChanges()) return;
    resetToNew();
}

bool DocumentFile::open() {
    LampsOffAtEnd lampsOff(session_);
    return openFlow();
}

bool DocumentFile::openFlow() {
    if (!settleUnsavedChanges()) return false;
    const QString chosen =
        prompter_.openFileNameIn(dialogTitle(), language_.entry(text::FileFilter), startFolder());
    if (chosen.isEmpty()) return false;
    return takeOver(chosen);
}

// Reads a file to open; a file that cannot be read shows text::LoadWarning and gives nothing.
std::optional<Document> DocumentFile::readForOpen(const QString& path) {
    KvsReadResult read = readKvsFile(path);
    if (read.verdict == KvsVerdict::Loaded) return withOnTimeValuesOnly(std::move(read.document));
    QString text = language_.entry(text::LoadWarning);
    if (read.verdict == KvsVerdict::Unreadable)
        text += QStringLiteral("\n\n") + path + QStringLiteral(": ") + read.problem;
    prompter_.message(text, language_.entry(text::FileError), PromptIcon::Warning);
    return std::nullopt;
}

// Makes the file the document; a file that cannot be read keeps the document.
bool DocumentFile::takeOver(const QString& chosen) {
    const std::optional<Document> document = readForOpen(chosen);
    if (!document) return false;
    session_.resetDocument(*document);
    setFile(chosen, stampFile(chosen), chosen);
    session_.applyVehicle(document->model, document->options);
    remember(chosen);
    return true;
}

void DocumentFile::remember(const QString& path) {
    recent_->add(path);
    noteFolder(path);
}

void DocumentFile::noteFolder(const QString& file) {
    settings_.write(settings_keys::kLastFolder, QFileInfo(file).absolutePath());
}

QString DocumentFile::startFolder() const {
    if (!path_.isEmpty()) {
        const QFileInfo file(path_);
        if (file.absoluteDir().exists()) return file.absolutePath();
    }
    const QString last = settings_.read(settings_keys::kLastFolder);
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    return QDir::homePath();
}

QString DocumentFile::askForName(const QString& proposal) {
    return prompter_.saveFileNameProposing(dialogTitle(), language_.entry(text::FileFilter),
                                           kSuffix, proposal);
}

// True when the save would write over the document's own file and that file is no longer what
// this document last read or wrote there.
bool DocumentFile::changedByOthers(const QString& target) const {
    if (path_.isEmpty() || !stamp_ || QFileInfo(target) != QFileInfo(path_)) return false;
    return QFileInfo(target).isFile() && fileChangedSince(target, *stamp_);
}

bool DocumentFile::openPath(const QString& path) {
    LampsOffAtEnd lampsOff(session_);
    if (!settleUnsavedChanges()) return false;
    return takeOver(path);
}

bool DocumentFile::openRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        LampsOffAtEnd lampsOff(session_);
        recent_->remove(path);
        prompter_.message(language_.entry(text::RecentFileGone).arg(QDir::toNativeSeparators(path)),
                          language_.entry(text::FileError), PromptIcon::Warning);
        return false;
    }
    return openPath(path);
}

bool DocumentFile::openDropped(const QList<QUrl>& urls) {
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
    LampsOffAtEnd lampsOff(session_);
    prompter_.message(refusal, language_.entry(text::FileError), PromptIcon::Warning);
    return false;
}

bool DocumentFile::openExample(const QString& path) {
    LampsOffAtEnd lampsOff(session_);
    if (!settleUnsavedChanges()) return false;
    std::optional<Document> example = readForOpen(path);
    if (!example) return false;
    // The example shows what the lamps can do on the car chosen now; it is nobody's file yet.
    example->model = session_.document().model;
    example->options = session_.document().options;
    resetToNew();
    session_.resetDocument(*example);
    setFile(QString(), std::nullopt, QString(), *example);
    return true;
}

bool DocumentFile::save() {
    LampsOffAtEnd lampsOff(session_);
    return saveFlow(false) == SaveOutcome::Saved;
}

bool DocumentFile::saveAs() {
    LampsOffAtEnd lampsOff(session_);
    return saveFlow(true) == SaveOutcome::Saved;
}

DocumentFile::SaveOutcome DocumentFile::saveFlow(bool alwaysAsk) {
    // A file that would not read back is never written: the same check as for documents from
    // elsewhere, before the user is asked for a name.
    const KvsWriteProblem problem = kvsWriteCheck(session_.document());
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

    // The file as it is now may be kept among the earlier versions before it is written over.
    if (QFileInfo(target).isFile()) Q_EMIT aboutToWriteOver(target);
    QString reason;
    if (!writeKvsFile(target, session_.document(), &reason)) {
        prompter_.message(language_.entry(text::LoadWarning) + QStringLiteral("\n\n") + target +
                              QStringLiteral(": ") + reason,
                          language_.entry(text::FileError), PromptIcon::Warning);
        return SaveOutcome::Failed;
    }
    setFile(target, stampFile(target), target.left(std::max<qsizetype>(0, target.size() - 4)));
    remember(target);
    Q_EMIT saved();
    return SaveOutcome::Saved;
}

bool DocumentFile::askOnClose() {
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
    if (closing) Q_EMIT closeAccepted();
    return closing;
}

bool DocumentFile::restoreRecovered(const RecoveryEntry& entry) {
    LampsOffAtEnd lampsOff(session_);
    if (!settleUnsavedChanges()) return false;
    session_.resetDocument(entry.document);
    // Entries from before file stamps were kept take the file as it is now.
    std::optional<FileStamp> stamp = entry.fileStamp ? entry.fileStamp : stampFile(entry.path);
    if (entry.path.isEmpty()) stamp.reset();
    setFile(entry.path, stamp, entry.path);
    session_.applyVehicle(entry.document.model, entry.document.options);
    return true;
}

bool DocumentFile::openAsUntitled(const QString& file) {
    LampsOffAtEnd lampsOff(session_);
    if (!settleUnsavedChanges()) return false;
    const std::optional<Document> document = readForOpen(file);
    if (!document) return false;
    resetToNew();
    session_.resetDocument(*document);
    session_.applyVehicle(document->model, document->options);
    return true;
}

KvsReadResult DocumentFile::openAtStart(const QString& path) {
    KvsReadResult read = readKvsFile(path);
    if (read.verdict != KvsVerdict::Loaded) {
        resetToNew();
        return read;
    }
    read.document = withOnTimeValuesOnly(std::move(read.document));
    session_.resetDocument(read.document);
    setFile(path, stampFile(path), path);
    remember(path);
    return read;
}

}  // namespace vireo
