// vireo-cli fit on .kvs files written by vireo-cli write.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "files/document_json.h"
#include "files/kvs_reader.h"
#include "simulation/shown_lamps.h"
#include "support/processes.h"

using namespace vireo;
using namespace vireo::test;

namespace {

Step lit(int tenths, LampBytes lamps) {
    return Step{OnTime::ofTenths(tenths), {}, lamps};
}

// A blink whose five lit steps were typed 0,5, 0,4, 0,5, 0,6 and 0,5 s: 20 bytes of rows, 6 once
// its passes are timed alike and fold into a loop.
Sequence unevenBlink() {
    Sequence rows;
    for (int tenths : {5, 4, 5, 6, 5}) rows << lit(tenths, {1, 0, 0, 0}) << lit(5, {});
    return rows;
}

class CliFit : public ::testing::Test {
  protected:
    QString written(const char* name, Sequence welcome) {
        Document d;
        d.options = QStringLiteral("00000000000000000000");
        d.sequences[kWelcome] = std::move(welcome);
        const QString path = dir.filePath(QLatin1String(name));
        const CliRun run = runCli({QStringLiteral("write"), path}, documentToJson(d));
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return path;
    }
    CliRun fit(const QString& file, QStringList more = {}) {
        return runCli(QStringList{QStringLiteral("fit"), file, QStringLiteral("-o"), out()} + more);
    }
    Document read(const QString& path) { return readKvsFile(path).document; }
    QString out() const { return dir.filePath(QStringLiteral("out.kvs")); }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(CliFit, NudgesOnTimesUntilTheImageFitsAndListsEveryChange) {
    const QString file = written("in.kvs", unevenBlink());
    // The image: 9 header bytes, the rows, and the goodbye sequence's end.
    const CliRun now = runCli({QStringLiteral("memory"), file, QStringLiteral("--json")});
    const int before = QJsonDocument::fromJson(now.out.toUtf8()).object()["total"].toInt();
    const int capacity = before - 14;
    const CliRun run = fit(file, {QStringLiteral("--capacity"), QString::number(capacity)});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("sequence 0 step 3: 0.4 -> 0.5\n"
                                      "sequence 0 step 7: 0.6 -> 0.5\n"
                                      "image: %1 -> %2 bytes of %2, changed by 200 ms (at most "
                                      "100 ms on a step)\n")
                           .arg(before)
                           .arg(capacity));
    const Sequence rows = read(out()).sequences[kWelcome];
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].loop, QStringLiteral("S  1 / 5 x"));
}

TEST_F(CliFit, AFileThatFitsIsWrittenAsItIs) {
    const QString file = written("in.kvs", unevenBlink());
    const CliRun run = fit(file);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("image: "))) << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("bytes of 510, changed by 0 ms\n")));
    EXPECT_EQ(read(out()).sequences, read(file).sequences);
}

TEST_F(CliFit, WithoutDropsAHopelessShowWritesNothingAndExits4) {
    Sequence rows;
    for (int i = 1; i <= 20; ++i) rows << lit(i, {i, i, i, i});
    const QString file = written("in.kvs", rows);
    const CliRun refused = fit(file, {QStringLiteral("--capacity"), QStringLiteral("60")});
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("the steps alone need")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(out()));

    // With --drop the shortest steps go, the first of them step 1 (0,1 s), its time to step 2.
    const CliRun dropped =
        fit(file, {QStringLiteral("--capacity"), QStringLiteral("60"), QStringLiteral("--drop")});
    EXPECT_EQ(dropped.exitCode, 0) << dropped.err.toStdString();
    const QStringList lines = dropped.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("sequence 0 step 1: 0.1 dropped"));
    EXPECT_EQ(lines[1], QStringLiteral("sequence 0 step 2: 0.2 dropped"));
    const auto shown = shownLamps(read(out()).sequences[kWelcome], 1000);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->last().lamps, (LampBytes{20, 20, 20, 20}));  // the longest stays
}

TEST_F(CliFit, BadUsage) {
    const QString file = written("in.kvs", unevenBlink());
    EXPECT_EQ(runCli({QStringLiteral("fit"), file}).exitCode, 2);
    EXPECT_EQ(fit(dir.filePath(QStringLiteral("missing.kvs"))).exitCode, 2);
    EXPECT_EQ(fit(file, {QStringLiteral("--capacity"), QStringLiteral("x")}).exitCode, 2);
}
