#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "files/kvs_writer.h"
#include "support/processes.h"
#include "tests/support/file_size_limit.h"
#include "text/language.h"
#include "timeline/timeline_painter.h"

using namespace vireo;
using namespace vireo::test;

namespace {

// vireo-cli without a display: no platform chosen, no X or Wayland server named.
CliRun chartWithoutDisplay(const QStringList& args) {
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QLatin1String(name));
    cli.setProcessEnvironment(env);
    cli.start(binPath("vireo-cli"), QStringList{QStringLiteral("chart")} + args);
    if (!cli.waitForStarted() || !cli.waitForFinished(60000)) return {};
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

}  // namespace

TEST(CliChart, DrawsTheTimelineOfTheChosenSequenceWithoutADisplay) {
    QTemporaryDir dir;
    Document d;
    d.sequences[kWelcome] = {Step{"1", "", {1, 0, 0, 0}}};
    d.sequences[kGoodbye] = {Step{"0,5", "S  1 / 4 x", {0, 0, 16, 16}},
                             Step{"1,5", "S  1 / 4 x", {8, 8, 0, 0}}};
    const QString kvs = dir.filePath("a.kvs");
    ASSERT_TRUE(writeKvsFile(kvs, d));
    const QString png = dir.filePath("goodbye.png");

    const CliRun run = chartWithoutDisplay({kvs, "--sequence", "1", "--scale", "8", "-o", png});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage drawn(png);
    const QImage expected =
        renderTimeline(d.sequences[kGoodbye], 8.0, timelineTexts(LanguageTable::builtIn()));
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn.size(), expected.size());
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32),
              expected.convertToFormat(QImage::Format_ARGB32));
}

TEST(CliChart, BadUsageAndUnreadableFilesExitWithTwo) {
    QTemporaryDir dir;
    const QString kvs = dir.filePath("a.kvs");
    Document d;
    d.sequences[kWelcome] = {Step{"1", "", {1, 0, 0, 0}}};
    ASSERT_TRUE(writeKvsFile(kvs, d));
    const QString png = dir.filePath("out.png");
    const struct {
        QStringList args;
        const char* complaint;
    } cases[] = {
        {{kvs}, "no output"},
        {{kvs, "-o", png, "--sequence", "2"}, "--sequence: invalid value 2"},
        {{kvs, "-o", png, "--scale", "0"}, "--scale: invalid value 0"},
        {{kvs, "-o", png, "--scale"}, "missing value after '--scale'"},
        {{dir.filePath("missing.kvs"), "-o", png}, "cannot read the file"},
        {{kvs, "-o", dir.filePath("no/such/folder/out.png")}, "cannot write the picture"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(QStringList{QStringLiteral("chart")} + c.args);
        EXPECT_EQ(run.exitCode, 2) << c.complaint;
        EXPECT_TRUE(run.err.contains(QLatin1String(c.complaint))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(png));
}

// The disk fills up while the picture is written: the command fails, and what was there before
// stays.
TEST(CliChart, APictureTheDiskCutsShortIsAFailure) {
    QTemporaryDir dir;
    Document d;
    d.sequences[kWelcome] = {Step{"1", "", {1, 0, 0, 0}}, Step{"2", "", {0, 0, 16, 16}}};
    const QString kvs = dir.filePath("a.kvs");
    ASSERT_TRUE(writeKvsFile(kvs, d));
    const QString whole = dir.filePath("whole.png");
    ASSERT_EQ(runCli({"chart", kvs, "-o", whole}).exitCode, 0);
    const qint64 size = QFileInfo(whole).size();
    ASSERT_GT(size, 100);

    const QString png = dir.filePath("chart.png");
    const QByteArray oldBytes(size - 10, 'x');
    {
        QFile old(png);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        ASSERT_EQ(old.write(oldBytes), oldBytes.size());
    }
    CliRun run;
    {
        // The limit holds for the program started meanwhile as well.
        FileSizeLimit fullDisk(size - 10);
        if (!fullDisk.active()) GTEST_SKIP() << "file sizes cannot be limited here";
        run = runCli({"chart", kvs, "-o", png});
    }
    EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("cannot write the picture")) << run.err.toStdString();
    QFile old(png);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), oldBytes);
}
