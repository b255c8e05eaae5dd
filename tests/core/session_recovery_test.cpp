// The recovery of one window through its file commands: restore, clean close, earlier versions.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/file_stamp.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "platform/settings_store.h"
#include "session/document_file.h"
#include "session/editing_session.h"
#include "session/window_recovery.h"
#include "tests/support/fakes.h"
#include "tests/support/file_times.h"
#include "tests/support/numbered_language.h"
#include "text/language.h"
#include "text/text_ids.h"

using namespace vireo;

namespace {

Document documentWith(int lamp, const QString& model = QStringLiteral("111")) {
    Document d;
    d.model = model;
    d.sequences[kWelcome] = {Step{"0,5", QString(), {lamp, 0, 0, 0}}};
    return d;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct WindowFixture {
    QTemporaryDir data, files;
    MemorySettingsStore settings;
    test::FakePrompter prompter;
    test::FakeClock clock;
    const LanguageTable& texts = LanguageTable::builtIn();  // the tests read the German wording
    EditingSession session{settings, prompter, texts, clock};
    DocumentFile file{session, prompter, texts, settings};
    WindowRecovery recovery{data.path(), session, file, texts, clock};

    void addRow(int lamp) {
        Sequence rows = session.editor().sequence(kWelcome);
        rows.append(Step{"1", QString(), {lamp, 0, 0, 0}});
        session.editor().commit(kWelcome, rows, {}, {}, QStringLiteral("append"));
        QCoreApplication::processEvents();  // the journal's queued write
    }
    // The files of this window's own entry.
    bool hasOwnEntry() { return recovery.store().contains(recovery.journal().entryName()); }
    // An entry left by a program that ended without cleaning up.
    void leaveEntry(const QString& name, const Document& document, const QString& path,
                    std::optional<FileStamp> fileStamp = std::nullopt) {
        const RecoveryStore& store = recovery.store();
        QDir().mkpath(store.folder());
        RecoveryEntry entry;
        entry.path = path;
        entry.fileStamp = fileStamp;
        entry.activeSequence = kGoodbye;
        entry.changed = QDateTime(QDate(2026, 12, 10), QTime(8, 30), Qt::UTC);
        ASSERT_TRUE(writeKvsFile(store.documentFile(name), document));
        QFile sidecar(store.sidecarFile(name));
        ASSERT_TRUE(sidecar.open(QIODevice::WriteOnly));
        sidecar.write(sidecarJson(entry));
    }
};

}  // namespace

TEST(WindowRecovery, RestoresADocumentAsUnsavedUnderItsOwnPath) {
    WindowFixture w;
    const QString file = w.files.filePath("show.kvs");
    ASSERT_TRUE(writeKvsFile(file, documentWith(1)));
    w.leaveEntry("left", documentWith(2, "203"), file);
    w.leaveEntry("untitled", documentWith(3), QString());
    w.leaveEntry("gone", documentWith(4), w.files.filePath("gone.kvs"));

    const RecoveryStore::Scan offer = w.recovery.entriesToOffer();
    ASSERT_EQ(offer.entries.size(), 3);
    const QString when =
        QLocale().toString(offer.entries[0].changed.toLocalTime(), QLocale::ShortFormat);
    QStringList lines;
    for (const RecoveryEntry& e : offer.entries) lines << w.recovery.entryLine(e);
    lines.sort();
    const QString folder = QDir::toNativeSeparators(w.files.path());
    EXPECT_EQ(lines, (QStringList{
                         "Unbenannt   (-)   zuletzt geändert " + when + ", nie gespeichert",
                         "gone.kvs   (" + folder + ")   zuletzt geändert " + when +
                             ", die Datei ist nicht mehr da",
                         "show.kvs   (" + folder + ")   zuletzt geändert " + when +
                             ", neuer als die Datei",
                     }));

    RecoveryEntry left;
    for (const RecoveryEntry& e : offer.entries)
        if (e.name == "left") left = e;
    ASSERT_TRUE(w.recovery.restore(left));
    EXPECT_EQ(w.session.document(), documentWith(2, "203"));
    EXPECT_EQ(w.file.path(), file);
    EXPECT_TRUE(w.file.hasUnsavedChanges());
    EXPECT_EQ(w.session.activeSequence(), kGoodbye);
    EXPECT_EQ(w.session.vehicle().model(), "203");
    EXPECT_EQ(w.session.vehicle().optionString(), "11100000000000000000");
    // The document now lives in this window's entry; the old one is gone.
    EXPECT_TRUE(w.hasOwnEntry());
    EXPECT_FALSE(w.recovery.store().contains("left"));
    EXPECT_EQ(w.recovery.entriesToOffer().entries.size(), 2);

    // "Speichern" writes to the original path, keeping the file it replaces.
    EXPECT_TRUE(w.file.save());
    EXPECT_EQ(readKvsFile(file).document, documentWith(2, "203"));
    ASSERT_EQ(w.recovery.earlierVersions().size(), 1);
    EXPECT_EQ(readAll(w.recovery.earlierVersions().first().file), kvsBytes(documentWith(1)));
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.hasOwnEntry());  // equal to its file
}

// A save leaves nothing to recover at once, not only at the next edit: a crash right after it
// offers nothing, since the file holds the same.
TEST(WindowRecovery, TheEntryGoesRightAfterASave) {
    WindowFixture w;
    const QString file = w.files.filePath("show.kvs");
    ASSERT_TRUE(writeKvsFile(file, documentWith(1)));
    ASSERT_TRUE(w.file.openPath(file));
    w.addRow(7);
    ASSERT_TRUE(w.hasOwnEntry());
    ASSERT_TRUE(w.file.save());
    EXPECT_FALSE(w.hasOwnEntry());  // no event loop in between
    EXPECT_TRUE(w.recovery.store().scan(true).entries.isEmpty());
}

// A full or read-only folder for the earlier versions does not stop the save, and is said once
// rather than at every save; the journal goes on meanwhile.
TEST(WindowRecovery, ASaveThatCannotKeepTheEarlierVersionSaysSoOnce) {
    WindowFixture w;
    {
        QFile blocked(w.data.filePath("backups"));  // a file where the folder would be
        ASSERT_TRUE(blocked.open(QIODevice::WriteOnly));
    }
    QStringList notes;
    QObject::connect(&w.recovery, &WindowRecovery::statusText,
                     [&notes](const QString& text) { notes << text; });
    const QString file = w.files.filePath("show.kvs");
    ASSERT_TRUE(writeKvsFile(file, documentWith(1)));
    ASSERT_TRUE(w.file.openPath(file));
    for (int save = 0; save < 3; ++save) {
        w.addRow(save + 2);
        ASSERT_TRUE(w.file.save());
        EXPECT_EQ(readKvsFile(file).document, w.session.document());
    }
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].startsWith(
        w.texts.entry(text::VersionNotKept).section(QStringLiteral("%1"), 0, 0)));
    EXPECT_TRUE(notes[0].contains(QDir::toNativeSeparators(file)));
    EXPECT_TRUE(w.prompter.prompts.empty());  // a note, not a message to answer
    EXPECT_TRUE(w.recovery.journal().isOn());
}

// The entry remembers the file as its window read it; a file changed after the crash is not
// overwritten without asking.
TEST(WindowRecovery, ARestoredEntryAsksBeforeSavingOverAFileChangedSince) {
    WindowFixture w;
    const QString file = w.files.filePath("show.kvs");
    ASSERT_TRUE(writeKvsFile(file, documentWith(1)));
    ASSERT_TRUE(w.file.openPath(file));
    w.addRow(7);
    const std::optional<RecoveryEntry> written =
        w.recovery.store().read(w.recovery.journal().entryName());
    ASSERT_TRUE(written.has_value());
    ASSERT_TRUE(written->fileStamp.has_value());
    EXPECT_EQ(written->fileStamp->sha256, stampFile(file)->sha256);
    EXPECT_EQ(written->fileStamp->size, readAll(file).size());

    const std::optional<FileStamp> before = stampFile(file);
    w.leaveEntry("left", documentWith(2), file, before);
    ASSERT_TRUE(writeKvsFile(file, documentWith(5)));  // another program, after the crash
    RecoveryEntry left;
    for (const RecoveryEntry& e : w.recovery.entriesToOffer().entries)
        if (e.name == "left") left = e;
    ASSERT_EQ(left.fileStamp->sha256, before->sha256);
    w.prompter.questionAnswers = {false};  // drop this window's own changes
    ASSERT_TRUE(w.recovery.restore(left));

    w.prompter.prompts.clear();
    EXPECT_FALSE(w.file.save());  // Escape: cancel
    ASSERT_EQ(w.prompter.count("choice"), 1);
    EXPECT_TRUE(w.prompter.prompts.back().text.contains(QDir::toNativeSeparators(file)));
    EXPECT_EQ(readKvsFile(file).document, documentWith(5));
    w.prompter.choices = {0};  // overwrite
    EXPECT_TRUE(w.file.save());
    EXPECT_EQ(readKvsFile(file).document, documentWith(2));
}

// Each earlier version carries the time it was saved, not the time a later save replaced it.
TEST(WindowRecovery, EarlierVersionsCarryTheTimeTheyWereSaved) {
    WindowFixture w;
    const QString file = w.files.filePath("show.kvs");
    const QDate day(2026, 12, 10);
    const QDateTime saves[] = {
        QDateTime(day, QTime(13, 7, 10), Qt::UTC), QDateTime(day, QTime(13, 8, 7), Qt::UTC),
        QDateTime(day, QTime(13, 8, 9), Qt::UTC), QDateTime(day, QTime(13, 8, 11), Qt::UTC)};
    ASSERT_TRUE(writeKvsFile(file, documentWith(1)));
    ASSERT_TRUE(test::setModified(file, saves[0]));
    ASSERT_TRUE(w.file.openPath(file));
    for (int i = 1; i < 4; ++i) {
        w.addRow(i + 1);
        ASSERT_TRUE(w.file.save());
        ASSERT_TRUE(test::setModified(file, saves[i]));  // the save as the clock showed it
    }
    const QList<Backup> versions = w.recovery.earlierVersions();
    ASSERT_EQ(versions.size(), 3);
    EXPECT_EQ(versions[0].time, saves[2]);  // newest first
    EXPECT_EQ(versions[1].time, saves[1]);
    EXPECT_EQ(versions[2].time, saves[0]);
    EXPECT_EQ(readKvsFile(versions[0].file).document.sequences[kWelcome].size(), 3);

    // The lines show the seconds, and the first one is marked as the newest.
    const QString newest = w.recovery.versionLine(versions[0], true);
    const QString older = w.recovery.versionLine(versions[1]);
    EXPECT_TRUE(newest.contains(":08:09")) << newest.toStdString();
    EXPECT_TRUE(older.contains(":08:07")) << older.toStdString();
    EXPECT_TRUE(newest.endsWith(", die neueste")) << newest.toStdString();
    EXPECT_FALSE(older.contains("neueste"));
}

TEST(WindowRecovery, ACleanCloseLeavesNothingToOffer) {
    const struct {
        QuestionAnswer answer;
        bool closes;
        bool entryStays;
    } cases[] = {
        {QuestionAnswer::No, true, false},
        {QuestionAnswer::Cancel, false, true},
    };
    for (const auto& c : cases) {
        WindowFixture w;
        w.addRow(1);
        ASSERT_TRUE(w.hasOwnEntry());
        w.prompter.choiceAnswers.push_back(c.answer);
        EXPECT_EQ(w.file.askOnClose(), c.closes);
        EXPECT_EQ(w.hasOwnEntry(), c.entryStays);
        EXPECT_EQ(QFile::exists(w.recovery.store().lockFile(w.recovery.journal().entryName())),
                  c.entryStays);
    }
}

TEST(WindowRecovery, OpensAnEarlierVersionAsANewDocument) {
    WindowFixture w;
    const QString file = w.files.filePath("show.kvs");
    EXPECT_EQ(w.recovery.earlierVersionsHeading(), "Keine früheren Versionen von Unbenannt.");
    ASSERT_TRUE(writeKvsFile(file, documentWith(1, "305")));
    w.prompter.fileAnswers.push_back(file);
    ASSERT_TRUE(w.file.open());
    w.addRow(7);
    ASSERT_TRUE(w.file.save());
    w.addRow(8);
    ASSERT_TRUE(w.file.save());
    const QList<Backup> versions = w.recovery.earlierVersions();
    ASSERT_EQ(versions.size(), 2);
    EXPECT_EQ(w.recovery.earlierVersionsHeading(),
              "Frühere Versionen von " + QDir::toNativeSeparators(file) + ":");
    EXPECT_TRUE(w.recovery.versionLine(versions.last())
                    .endsWith("   (" + QString::number(versions.last().size) + " Bytes)"));

    const QByteArray saved = readAll(file);
    ASSERT_TRUE(w.recovery.openEarlierVersion(versions.last()));
    EXPECT_EQ(w.session.document(), documentWith(1, "305"));
    EXPECT_TRUE(w.file.path().isEmpty());
    EXPECT_EQ(readAll(file), saved);  // nothing is overwritten by opening one
}
