#include "recovery/recovery_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include "files/kvs_writer.h"
#include "recovery/backup_store.h"
#include "recovery/own_recovery_entry.h"
#include "recovery/recovery_difference.h"
#include "tests/support/file_times.h"

using namespace vireo;

namespace {

Document documentWith(int lamp) {
    Document d;
    d.sequences[kWelcome] = {Step{"1,5", QString(), {lamp, 0, 0, 0}}};
    return d;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// An entry as a program that has ended left it: document, sidecar and, unless `lockPid` is 0,
// the lock of that (no longer running) process.
void leaveEntry(const RecoveryStore& store, const QString& name, const Document& document,
                const QString& path, qint64 lockPid = 0) {
    QDir().mkpath(store.folder());
    RecoveryEntry entry;
    entry.path = path;
    entry.changed = QDateTime(QDate(2026, 12, 10), QTime(8, 30), Qt::UTC);
    writeBytes(store.documentFile(name), kvsBytes(document));
    writeBytes(store.sidecarFile(name), sidecarJson(entry));
    if (lockPid)
        writeBytes(store.lockFile(name), QByteArray::number(lockPid) + "\nvireo\n" +
                                             QSysInfo::machineHostName().toUtf8() + "\n");
}

QStringList names(const QList<RecoveryEntry>& entries) {
    QStringList n;
    for (const RecoveryEntry& e : entries) n << e.name;
    return n;
}

}  // namespace

TEST(RecoveryStore, OffersEntriesOfEndedProgramsButNotOfRunningOnes) {
    QTemporaryDir data;
    const RecoveryStore store(data.path());
    OwnRecoveryEntry running(store);
    RecoveryEntry own;
    own.document = documentWith(7);
    own.changed = QDateTime::currentDateTimeUtc();
    QString error;
    ASSERT_TRUE(running.write(own, &error)) << error.toStdString();
    leaveEntry(store, QStringLiteral("crashed"), documentWith(1), QStringLiteral("/a/b.kvs"),
               2147483646);
    leaveEntry(store, QStringLiteral("unlocked"), documentWith(2), QString());

    EXPECT_TRUE(store.isLive(running.name()));
    EXPECT_FALSE(store.isLive(QStringLiteral("crashed")));
    EXPECT_EQ(names(store.scan().entries), (QStringList{"crashed", "unlocked"}));
    EXPECT_EQ(store.scan(true).entries.size(), 3);
    EXPECT_FALSE(QFile::exists(store.lockFile(QStringLiteral("crashed"))));  // stale lock gone

    const RecoveryEntry crashed = store.scan().entries.first();
    EXPECT_EQ(crashed.path, QStringLiteral("/a/b.kvs"));
    EXPECT_EQ(crashed.changed, QDateTime(QDate(2026, 12, 10), QTime(8, 30), Qt::UTC));
    EXPECT_EQ(crashed.document, documentWith(1));

    EXPECT_FALSE(store.discard(running.name()));
    EXPECT_TRUE(store.discard(QStringLiteral("crashed")));
    EXPECT_EQ(names(store.scan(true).entries), (QStringList{"unlocked", running.name()}));
    running.remove();
    EXPECT_EQ(names(store.scan(true).entries), (QStringList{"unlocked"}));
}

// A live window's lock stays live however old it is: where no native file lock guards it (a
// shared or network data folder), only the program named in it decides.
TEST(RecoveryStore, AnOldLockOfARunningProgramIsStillLive) {
    QTemporaryDir data;
    const RecoveryStore store(data.path());
    OwnRecoveryEntry running(store);
    RecoveryEntry own;
    own.document = documentWith(7);
    own.changed = QDateTime::currentDateTimeUtc();
    QString error;
    ASSERT_TRUE(running.write(own, &error)) << error.toStdString();

    const QString old = QStringLiteral("old");
    ASSERT_TRUE(QFile::copy(store.lockFile(running.name()), store.lockFile(old)));
    writeBytes(store.documentFile(old), kvsBytes(documentWith(3)));
    writeBytes(store.sidecarFile(old), sidecarJson(own));
    ASSERT_TRUE(
        test::setModified(store.lockFile(old), QDateTime::currentDateTimeUtc().addSecs(-3600)));

    EXPECT_TRUE(store.isLive(old));
    EXPECT_EQ(store.scan().entries.size(), 0);
    EXPECT_FALSE(store.discard(old));
    EXPECT_TRUE(QFile::exists(store.lockFile(old)));
    EXPECT_TRUE(store.contains(old));
}

TEST(RecoveryStore, DamagedEntriesAreMovedAsideByName) {
    QTemporaryDir data;
    const RecoveryStore store(data.path());
    const QByteArray good = kvsBytes(documentWith(3));
    QByteArray wrongSum = good;
    wrongSum[wrongSum.size() - 3] = char(wrongSum[wrongSum.size() - 3] ^ 0x01);
    const struct {
        QString name;
        QByteArray document;  // the bytes the .kvs file holds instead of the good ones
        QByteArray sidecar;   // empty: the sidecar as written; "-": no sidecar
    } cases[] = {
        {"cut-short", good.left(good.size() / 2), {}},
        {"wrong-checksum", wrongSum, {}},
        {"sidecar-not-json", good, "{\"path\": nul"},
        {"sidecar-wrong-shape", good, "[1, 2]"},
        {"no-sidecar", good, "-"},
    };
    for (const auto& c : cases) {
        leaveEntry(store, c.name, documentWith(3), QString());
        writeBytes(store.documentFile(c.name), c.document);
        if (c.sidecar == "-")
            QFile::remove(store.sidecarFile(c.name));
        else if (!c.sidecar.isEmpty())
            writeBytes(store.sidecarFile(c.name), c.sidecar);
    }
    leaveEntry(store, QStringLiteral("sound"), documentWith(4), QString());

    const RecoveryStore::Scan scan = store.scan();
    EXPECT_EQ(names(scan.entries), (QStringList{"sound"}));
    EXPECT_EQ(scan.damaged, (QStringList{"cut-short", "no-sidecar", "sidecar-not-json",
                                         "sidecar-wrong-shape", "wrong-checksum"}));
    const QDir damaged(store.damagedFolder());
    EXPECT_EQ(readAll(damaged.filePath("cut-short.kvs")), good.left(good.size() / 2));
    EXPECT_EQ(readAll(damaged.filePath("sidecar-not-json.json")), "{\"path\": nul");
    EXPECT_TRUE(damaged.exists("no-sidecar.kvs"));
    EXPECT_FALSE(QFile::exists(store.documentFile("cut-short")));
    EXPECT_TRUE(store.scan().damaged.isEmpty());  // reported once

    // A second damaged entry of the same name overwrites nothing in the damaged folder.
    leaveEntry(store, QStringLiteral("cut-short"), documentWith(3), QString());
    writeBytes(store.documentFile("cut-short"), "VIREO");
    EXPECT_EQ(store.scan().damaged, QStringList{"cut-short"});
    EXPECT_EQ(readAll(damaged.filePath("cut-short-2.kvs")), "VIREO");
    EXPECT_EQ(readAll(damaged.filePath("cut-short.kvs")), good.left(good.size() / 2));
}

TEST(RecoveryStore, ReadsTheNewestGenerationWhoseSidecarWasWritten) {
    QTemporaryDir data;
    const RecoveryStore store(data.path());
    leaveEntry(store, QStringLiteral("w"), documentWith(1), QString());
    const auto writeGeneration = [&](int generation, int lamp, bool withSidecar) {
        writeBytes(store.documentFile("w", generation), kvsBytes(documentWith(lamp)));
        if (withSidecar)
            writeBytes(store.sidecarFile("w", generation), readAll(store.sidecarFile("w")));
    };
    writeGeneration(9, 9, true);
    writeGeneration(10, 10, false);  // cut off before its sidecar
    ASSERT_TRUE(store.read("w").has_value());
    EXPECT_EQ(store.read("w")->document, documentWith(9));
    writeGeneration(10, 10, true);
    EXPECT_EQ(store.read("w")->document, documentWith(10));
    EXPECT_EQ(store.documentFile("w", 10), store.folder() + "/w.10.kvs");

    // Discarding, or moving aside, takes every generation (a temporary file left by a write, too).
    writeBytes(store.documentFile("w", 11) + ".Ab12Cd", "VIR");
    EXPECT_TRUE(store.discard("w"));
    EXPECT_EQ(QDir(store.folder()).entryList(QDir::Files).join(' ').toStdString(), "");
}

TEST(RecoveryStore, TellsHowAnEntryStandsToItsFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("show.kvs");
    ASSERT_TRUE(writeKvsFile(file, documentWith(1)));
    const struct {
        QString path;
        int lamp;
        EntryOnDisk expected;
    } cases[] = {
        {QString(), 1, EntryOnDisk::Untitled},
        {dir.filePath("gone.kvs"), 1, EntryOnDisk::FileGone},
        {file, 2, EntryOnDisk::Newer},
        {file, 1, EntryOnDisk::SameAsFile},
    };
    for (const auto& c : cases) {
        RecoveryEntry entry;
        entry.path = c.path;
        entry.document = documentWith(c.lamp);
        EXPECT_EQ(entryOnDisk(entry), c.expected) << c.path.toStdString();
    }
}

TEST(BackupStore, KeepsTheLastTenVersionsOfEachFile) {
    QTemporaryDir data, folderA, folderB;
    const BackupStore backups(data.path());
    const QString a = folderA.filePath("show.kvs");
    const QString b = folderB.filePath("show.kvs");  // same name, another file
    const QDateTime start(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC);

    EXPECT_TRUE(backups.keep(a));  // no file yet: nothing to keep
    EXPECT_TRUE(backups.all().isEmpty());
    for (int version = 1; version <= 12; ++version) {
        writeBytes(a, "version " + QByteArray::number(version));
        ASSERT_TRUE(test::setModified(a, start.addSecs(version)));
        ASSERT_TRUE(backups.keep(a));
    }
    writeBytes(b, "other file");
    ASSERT_TRUE(test::setModified(b, start));
    ASSERT_TRUE(backups.keep(b));
    ASSERT_TRUE(backups.keep(b));  // the same millisecond keeps a second version

    const QList<Backup> ofA = backups.versionsOf(a);
    ASSERT_EQ(ofA.size(), 10);
    EXPECT_EQ(readAll(ofA.first().file), "version 12");
    EXPECT_EQ(readAll(ofA.last().file), "version 3");
    EXPECT_EQ(ofA.first().time, start.addSecs(12));
    EXPECT_EQ(ofA.first().size, 10);
    EXPECT_EQ(ofA.first().original, a);
    EXPECT_EQ(backups.versionsOf(b).size(), 2);
    EXPECT_EQ(backups.all().size(), 12);
    EXPECT_EQ(QDir(backups.folder()).entryList({"*.kvs"}, QDir::Files).size(), 12);
}
