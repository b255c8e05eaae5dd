#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "tests/support/processes.h"

using namespace vireo;
using test::CliRun;
using test::runCli;

namespace {

const QString kLoop = QStringLiteral("S  1 / 3 x");

Document sample() {
    Document d;
    d.sequences[0] = {Step{"0,5", "", {1, 2, 3, 4}}, Step{"1", kLoop, {5, 6, 7, 8}},
                      Step{"1,5", kLoop, {9, 10, 11, 12}}, Step{"2", "", {13, 14, 15, 16}}};
    d.sequences[1] = {Step{"0.4", "", {1, 0, 0, 0}}, Step{"0.2", "", {0, 0, 16, 16}}};
    return d;
}

}  // namespace

TEST(CliTransform, WritesTheTransformedSequenceAndLeavesTheOtherOne) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.kvs");
    ASSERT_TRUE(writeKvsFile(in, sample()));
    struct Case {
        QStringList args;
        int sequence;
        Sequence expected;
    };
    const Document s = sample();
    const Case cases[] = {
        {{"mirror"},
         0,
         {Step{"0,5", "", {2, 1, 4, 3}}, Step{"1", kLoop, {6, 5, 8, 7}},
          Step{"1,5", kLoop, {10, 9, 12, 11}}, Step{"2", "", {14, 13, 16, 15}}}},
        {{"mirror", "--rows", "4-4"},
         0,
         {s.sequences[0][0], s.sequences[0][1], s.sequences[0][2],
          Step{"2", "", {14, 13, 16, 15}}}},
        {{"reverse"},
         0,
         {s.sequences[0][3], s.sequences[0][2], s.sequences[0][1], s.sequences[0][0]}},
        {{"reverse", "--rows", "1-3"},
         0,
         {s.sequences[0][2], s.sequences[0][1], s.sequences[0][0], s.sequences[0][3]}},
        {{"stretch", "--factor", "1,5"},
         0,
         {Step{"0,8", "", {1, 2, 3, 4}}, Step{"1,5", kLoop, {5, 6, 7, 8}},
          Step{"2,3", kLoop, {9, 10, 11, 12}}, Step{"3", "", {13, 14, 15, 16}}}},
        {{"stretch", "--sequence", "1", "--factor", "0.5"},
         1,
         {Step{"0.2", "", {1, 0, 0, 0}}, Step{"0.1", "", {0, 0, 16, 16}}}},
    };
    for (const Case& c : cases) {
        const QString out = dir.filePath("out.kvs");
        QFile::remove(out);
        const CliRun run = runCli(QStringList{"transform"} + c.args.mid(0, 1) +
                                  QStringList{in, "-o", out} + c.args.mid(1));
        ASSERT_EQ(run.exitCode, 0) << c.args.join(' ').toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        const KvsReadResult read = readKvsFile(out);
        ASSERT_EQ(read.verdict, KvsVerdict::Loaded) << c.args.join(' ').toStdString();
        EXPECT_EQ(read.document.sequences[c.sequence], c.expected)
            << c.args.join(' ').toStdString();
        EXPECT_EQ(read.document.sequences[1 - c.sequence], s.sequences[1 - c.sequence]);
    }
}

TEST(CliTransform, UsageErrorsNameTheBadValueAndWriteNothing) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.kvs");
    ASSERT_TRUE(writeKvsFile(in, sample()));
    const QString out = dir.filePath("out.kvs");
    struct Case {
        QStringList args;
        const char* named;
    };
    const Case cases[] = {
        {{"rotate", in, "-o", out}, "rotate"},
        {{"mirror", in}, "-o OUT.kvs"},
        {{"stretch", in, "-o", out}, "--factor"},
        {{"stretch", in, "-o", out, "--factor", "10.5"}, "10.5"},
        {{"stretch", in, "-o", out, "--factor", "0"}, "0 (0.1 to 10)"},
        {{"mirror", in, "-o", out, "--factor", "2"}, "--factor"},
        {{"mirror", in, "-o", out, "--rows", "3-1"}, "3-1"},
        {{"mirror", in, "-o", out, "--rows", "2-9"}, "2-9"},
        {{"mirror", in, "-o", out, "--sequence", "2"}, "2"},
        {{"reverse", in, "-o", out, "--rows", "1-2"}, "loop 1"},
        {{"reverse", in, "-o", out, "--rows", "3-3"}, "loop 1"},
        {{"mirror", dir.filePath("missing.kvs"), "-o", out}, "missing.kvs"},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(QStringList{"transform"} + c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.named))
            << c.args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.args.join(' ').toStdString();
    }
}

TEST(CliPattern, PrintsTheRowsAsAJsonArray) {
    const CliRun looped =
        runCli({"pattern", "fill", "--lamps", "2.0,M", "--time", "0.3", "--passes", "4"});
    ASSERT_EQ(looped.exitCode, 0) << looped.err.toStdString();
    EXPECT_EQ(looped.out,
              "[\n"
              "  {\"time\": \"0,3\", \"loop\": \"S  1 / 4 x\", \"lamps\": [0, 1, 0, 0]},\n"
              "  {\"time\": \"0,3\", \"loop\": \"S  1 / 4 x\", \"lamps\": [0, 1, 16, 16]}\n"
              "]\n");
    const CliRun ordered = runCli(
        {"pattern", "alternate", "--lamps", "1.1, 3.5,2.1", "--time", "1,5", "--order", "across"});
    ASSERT_EQ(ordered.exitCode, 0) << ordered.err.toStdString();
    EXPECT_EQ(ordered.out,
              "[\n"
              "  {\"time\": \"1,5\", \"loop\": \"\", \"lamps\": [0, 2, 32, 0]},\n"
              "  {\"time\": \"1,5\", \"loop\": \"\", \"lamps\": [2, 0, 0, 0]}\n"
              "]\n");
}

TEST(CliPattern, BounceAndPairsGiveTheirRows) {
    struct Case {
        QStringList args;
        QStringList rows;  // time, loop and lamps of each row
    };
    const QString row = QStringLiteral(R"(  {"time": "%1", "loop": "%2", "lamps": [%3]})");
    const Case cases[] = {
        // There and back: a, b, c, b, looped.
        {{"bounce", "--lamps", "1.0,1.1,1.2", "--time", "0.5", "--passes", "2"},
         {row.arg("0,5", "S  1 / 2 x", "1, 0, 0, 0"), row.arg("0,5", "S  1 / 2 x", "2, 0, 0, 0"),
          row.arg("0,5", "S  1 / 2 x", "4, 0, 0, 0"), row.arg("0,5", "S  1 / 2 x", "2, 0, 0, 0")}},
        // Each lamp with its mirror lamp; the middle lamp alone.
        {{"chase", "--lamps", "1.0,3.4,4.2", "--time", "1", "--order", "pairs"},
         {row.arg("1", "", "1, 1, 0, 0"), row.arg("1", "", "0, 0, 16, 16"),
          row.arg("1", "", "0, 0, 4, 4")}},
        // Pairs take turns: the first and third against the second.
        {{"alternate", "--lamps", "1.5,2.4,1.0", "--time", "0.2", "--order", "pairs"},
         {row.arg("0,2", "", "33, 33, 0, 0"), row.arg("0,2", "", "16, 16, 0, 0")}},
        {{"bounce", "--lamps", "2.0,2.1", "--time", "0.3", "--order", "pairs", "--passes", "3"},
         {row.arg("0,3", "S  1 / 3 x", "1, 1, 0, 0"), row.arg("0,3", "S  1 / 3 x", "2, 2, 0, 0")}},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(QStringList{"pattern"} + c.args);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, "[\n" + c.rows.join(",\n") + "\n]\n") << c.args.join(' ').toStdString();
    }
}

TEST(CliPattern, UsageErrorsNameTheBadValue) {
    struct Case {
        QStringList args;
        const char* named;
    };
    const Case cases[] = {
        {{"wipe", "--lamps", "1.0", "--time", "1"}, "wipe"},
        {{"chase", "--lamps", "1.6", "--time", "1"}, "1.6"},
        {{"chase", "--lamps", "5.0", "--time", "1"}, "5.0"},
        {{"chase", "--lamps", "1.0,X", "--time", "1"}, "X"},
        {{"chase", "--time", "1"}, "no lamps"},
        {{"chase", "--lamps", "1.0", "--time", "0.05"}, "0.05"},
        {{"chase", "--lamps", "1.0", "--time", "10.1"}, "10.1"},
        {{"chase", "--lamps", "1.0"}, "--time"},
        {{"chase", "--lamps", "1.0", "--time", "1", "--passes", "0"}, "0 (1 to 20)"},
        {{"chase", "--lamps", "1.0", "--time", "1", "--passes", "21"}, "21"},
        {{"chase", "--lamps", "1.0", "--time", "1", "--order", "random"}, "random"},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(QStringList{"pattern"} + c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.named))
            << c.args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}
