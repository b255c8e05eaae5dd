#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/kvs_writer.h"
#include "recovery/backup_store.h"
#include "recovery/own_recovery_entry.h"
#include "recovery/recovery_store.h"
#include "tests/support/file_times.h"
#include "tests/support/processes.h"

using namespace vireo;
using test::CliRun;

namespace {

// vireo-cli with the user's data folder under a temporary home.
struct RecoverFixture {
    QTemporaryDir home;
    QString data = home.filePath("data/Kelvor/Vireo");

    CliRun run(const QStringList& args) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        return test::runProgram("vireo-cli", QStringList{"recover"} + args, {}, environment);
    }
    void leaveEntry(const QString& name, const Document& document, const QString& path,
                    const QDateTime& changed) const {
        const RecoveryStore store(data);
        ASSERT_TRUE(QDir().mkpath(store.folder()));
        RecoveryEntry entry;
        entry.path = path;
        entry.changed = changed;
        ASSERT_TRUE(writeKvsFile(store.documentFile(name), document));
        QFile sidecar(store.sidecarFile(name));
        ASSERT_TRUE(sidecar.open(QIODevice::WriteOnly));
        sidecar.write(sidecarJson(entry));
    }
};

Document documentWith(int lamp) {
    Document d;
    d.sequences[kGoodbye] = {Step{"0,3", "", {0, 0, lamp, 0}}};
    return d;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(CliRecover, ListsEntriesAndEarlierVersionsAndWritesOneOut) {
    RecoverFixture f;
    const CliRun empty = f.run({"--list"});
    EXPECT_EQ(empty.exitCode, 0) << empty.err.toStdString();
    EXPECT_EQ(empty.out, "");

    const QDateTime morning(QDate(2026, 12, 10), QTime(8, 30, 5), Qt::UTC);
    f.leaveEntry("20261210-083005-41-1", documentWith(1), QString(), morning);
    f.leaveEntry("20261210-083105-42-1", documentWith(2), "/shows/a b.kvs", morning.addSecs(60));
    const QString file = f.home.filePath("show.kvs");
    ASSERT_TRUE(writeKvsFile(file, documentWith(3)));
    // An earlier version is listed with the time it was saved.
    ASSERT_TRUE(test::setModified(file, morning.addSecs(120)));
    ASSERT_TRUE(BackupStore(f.data).keep(file));
    const QString backupName = BackupStore(f.data).all().first().name;

    const CliRun listed = f.run({"--list"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out,
              "20261210-083005-41-1\trecovery\t2026-12-10T08:30:05Z\t-\n"
              "20261210-083105-42-1\trecovery\t2026-12-10T08:31:05Z\t/shows/a b.kvs\n" +
                  backupName + "\tbackup\t2026-12-10T08:32:05Z\t" + file + "\n");
    EXPECT_TRUE(backupName.startsWith("show-"));

    const QString out = f.home.filePath("out.kvs");
    const struct {
        QStringList args;
        int exitCode;
        QByteArray written;  // empty: no file
        QString errorNames;
    } cases[] = {
        {{"20261210-083105-42-1", "-o", out}, 0, kvsBytes(documentWith(2)), ""},
        {{backupName, "--output", out}, 0, kvsBytes(documentWith(3)), ""},
        {{"nothing-of-this-name", "-o", out}, 2, {}, "nothing-of-this-name"},
        {{"20261210-083105-42-1"}, 2, {}, "-o OUT.kvs"},
        {{}, 2, {}, "usage"},
        {{"--list", "-o", out}, 2, {}, "--list"},
    };
    for (const auto& c : cases) {
        QFile::remove(out);
        const CliRun r = f.run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_EQ(readAll(out), c.written) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.errorNames)) << r.err.toStdString();
    }

    // A damaged entry: named, moved aside, and no longer listed.
    QFile cut(RecoveryStore(f.data).documentFile("20261210-083005-41-1"));
    ASSERT_TRUE(cut.resize(10));
    const CliRun afterDamage = f.run({"--list"});
    EXPECT_EQ(afterDamage.exitCode, 0);
    EXPECT_TRUE(afterDamage.err.contains("20261210-083005-41-1")) << afterDamage.err.toStdString();
    EXPECT_FALSE(afterDamage.out.contains("20261210-083005-41-1"));
    EXPECT_TRUE(QFile::exists(RecoveryStore(f.data).damagedFolder() + "/20261210-083005-41-1.kvs"));
}

// A running window's entry caught half-written is listed or left out, never moved aside: the
// window finishes it a moment later.
TEST(CliRecover, ListingLeavesARunningWindowsHalfWrittenEntryInPlace) {
    RecoverFixture f;
    const RecoveryStore store(f.data);
    OwnRecoveryEntry running(store);  // this test's process is the running window
    RecoveryEntry entry;
    entry.document = documentWith(4);
    entry.changed = QDateTime(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC);
    QString error;
    ASSERT_TRUE(running.write(entry, &error)) << error.toStdString();
    const QString document = running.files().first();
    QFile cut(document);
    ASSERT_TRUE(cut.resize(10));

    const CliRun listed = f.run({"--list"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_FALSE(listed.err.contains(running.name())) << listed.err.toStdString();
    EXPECT_TRUE(QFile::exists(document));
    EXPECT_FALSE(QDir(store.damagedFolder()).exists());
    running.remove();
}
