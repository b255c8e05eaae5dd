#include "session/window_recovery.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include "recovery/recovery_difference.h"
#include "session/document_file.h"
#include "session/editing_session.h"
#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

QString localTime(const QDateTime& time) {
    return QLocale().toString(time.toLocalTime(), QLocale::ShortFormat);
}

// The user's short date and the time with its seconds, without a time zone.
QString localTimeWithSeconds(const QDateTime& time) {
    const QLocale locale;
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    const QDateTime local = time.toLocalTime();
    return locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(local.time(), timeFormat.trimmed());
}

}  // namespace

WindowRecovery::WindowRecovery(const QString& dataFolder, EditingSession& session,
                               DocumentFile& file, const LanguageTable& texts, Clock& clock,
                               QObject* parent)
    : QObject(parent),
      session_(session),
      file_(file),
      texts_(texts),
      store_(dataFolder),
      backups_(dataFolder),
      journal_(store_, session.editor(),
               JournalSource{[&file] { return file.path(); },
                             [&session] { return session.activeSequence(); },
                             [&file] { return file.hasUnsavedChanges(); },
                             [&file] { return file.fileStamp(); }},
               clock, this) {
    connect(&file_, &DocumentFile::aboutToWriteOver, this, &WindowRecovery::keepVersionOf);
    // The document equals its file now: its recovery entry goes.
    connect(&file_, &DocumentFile::saved, &journal_, &RecoveryJournal::writeNow);
    // Saved, or the changes dropped on purpose: nothing is left to recover.
    connect(&file_, &DocumentFile::closeAccepted, &journal_, &RecoveryJournal::finish);
    connect(&journal_, &RecoveryJournal::turnedOff, this, [this](const QString& reason) {
        Q_EMIT statusText(texts_.entry(text::RecoveryOff).arg(reason));
    });
    connect(&journal_, &RecoveryJournal::turnedOn, this,
            [this] { Q_EMIT statusText(texts_.entry(text::RecoveryOn)); });
}

void WindowRecovery::keepVersionOf(const QString& file) {
    // A failure to keep the version leaves the save to go on: the user asked for the save, not
    // for the copy.
    QString why;
    const bool kept = backups_.keep(file, &why);
    // Said once, not at every save, until a version can be kept again.
    if (!kept && !keepFailureNoted_)
        Q_EMIT statusText(
            texts_.entry(text::VersionNotKept).arg(QDir::toNativeSeparators(file), why));
    keepFailureNoted_ = !kept;
}

RecoveryStore::Scan WindowRecovery::entriesToOffer() const {
    return store_.scan();
}

QString WindowRecovery::damagedText(const QStringList& damaged) const {
    if (damaged.isEmpty()) return QString();
    return texts_.entry(text::RecoveryDamaged)
        .arg(QDir::toNativeSeparators(store_.damagedFolder()), damaged.join(QStringLiteral(", ")));
}

QString WindowRecovery::entryName(const RecoveryEntry& entry) const {
    return entry.path.isEmpty() ? texts_.entry(text::Untitled) : QFileInfo(entry.path).fileName();
}

QString WindowRecovery::entryLine(const RecoveryEntry& entry) const {
    int standing = text::EntryNeverSaved;
    switch (entryOnDisk(entry)) {
        case EntryOnDisk::Untitled:
            break;
        case EntryOnDisk::FileGone:
            standing = text::EntryFileGone;
            break;
        case EntryOnDisk::Newer:
            standing = text::EntryNewer;
            break;
        case EntryOnDisk::SameAsFile:
            standing = text::EntrySameAsFile;
            break;
    }
    const QString folder = entry.path.isEmpty()
                               ? QStringLiteral("-")
                               : QDir::toNativeSeparators(QFileInfo(entry.path).absolutePath());
    return texts_.entry(text::RecoveryEntryLine)
        .arg(entryName(entry), folder, localTime(entry.changed), texts_.entry(standing));
}

bool WindowRecovery::restore(const RecoveryEntry& entry) {
    if (!file_.restoreRecovered(entry)) return false;
    session_.chooseSequence(entry.activeSequence);
    journal_.writeNow();
    // Only once this window's own entry holds the document may the old one go.
    if (journal_.isOn()) store_.discard(entry.name);
    return true;
}

bool WindowRecovery::discard(const RecoveryEntry& entry) {
    return store_.discard(entry.name);
}

QList<Backup> WindowRecovery::earlierVersions() const {
    if (file_.path().isEmpty()) return {};
    return backups_.versionsOf(file_.path());
}

QString WindowRecovery::versionLine(const Backup& backup, bool newest) const {
    return texts_.entry(newest ? text::NewestVersionLine : text::EarlierVersionLine)
        .arg(localTimeWithSeconds(backup.time), QLocale().toString(backup.size));
}

QString WindowRecovery::earlierVersionsHeading() const {
    const QString file = QDir::toNativeSeparators(file_.path());
    return texts_
        .entry(earlierVersions().isEmpty() ? text::NoEarlierVersions : text::EarlierVersionsOf)
        .arg(file.isEmpty() ? texts_.entry(text::Untitled) : file);
}

bool WindowRecovery::openEarlierVersion(const Backup& backup) {
    return file_.openAsUntitled(backup.file);
}

}  // namespace vireo
