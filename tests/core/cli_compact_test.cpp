// vireo-cli compact on .kvs files written by vireo-cli write.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/document_json.h"
#include "files/kvs_reader.h"
#include "support/processes.h"

using namespace vireo;
using namespace vireo::test;

namespace {

Sequence blinks(int count) {
    Sequence rows;
    for (int i = 0; i < count; ++i)
        rows << Step{"0,5", "", {1, 0, 0, 0}} << Step{"0,5", "", {0, 0, 0, 0}};
    return rows;
}

const Sequence kTwinSteps = {Step{"0,5", "", {1, 2, 0, 0}}, Step{"0,5", "", {1, 2, 0, 0}},
                             Step{"0,5", "", {0, 0, 3, 0}}};

class CliCompact : public ::testing::Test {
  protected:
    QString written(const char* name, Sequence welcome, Sequence goodbye = {}) {
        Document d;
        d.options = QStringLiteral("00000000000000000000");
        d.sequences[kWelcome] = std::move(welcome);
        d.sequences[kGoodbye] = std::move(goodbye);
        const QString path = dir.filePath(QLatin1String(name));
        const CliRun run = runCli({QStringLiteral("write"), path}, documentToJson(d));
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return path;
    }
    Document read(const QString& path) { return readKvsFile(path).document; }
    QString out() const { return dir.filePath(QStringLiteral("out.kvs")); }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(CliCompact, BothSequencesByDefault) {
    const QString file = written("in.kvs", blinks(5), kTwinSteps);
    const CliRun run = runCli({QStringLiteral("compact"), file, QStringLiteral("-o"), out()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("sequence 0: 16 -> 6 bytes\nsequence 1: 9 -> 7 bytes\n"));
    const Document written = read(out());
    EXPECT_EQ(written.sequences[kWelcome], (Sequence{Step{"0,5", "S  1 / 5 x", {1, 0, 0, 0}},
                                                     Step{"0,5", "S  1 / 5 x", {0, 0, 0, 0}}}));
    EXPECT_EQ(written.sequences[kGoodbye],
              (Sequence{Step{"1", "", {1, 2, 0, 0}}, Step{"0,5", "", {0, 0, 3, 0}}}));
}

TEST_F(CliCompact, OneSequenceAndAnImageThatStillDoesNotFit) {
    const QString file = written("in.kvs", blinks(5), kTwinSteps);
    const CliRun one = runCli({QStringLiteral("compact"), file, QStringLiteral("-o"), out(),
                               QStringLiteral("--sequence"), QStringLiteral("1")});
    EXPECT_EQ(one.exitCode, 0) << one.err.toStdString();
    EXPECT_EQ(one.out, QStringLiteral("sequence 1: 9 -> 7 bytes\n"));
    EXPECT_EQ(read(out()).sequences[kWelcome], blinks(5));

    // 90 different rows of 6 bytes: nothing to win, 9 + 540 bytes in all.
    Sequence big;
    for (int r = 0; r < 90; ++r) big << Step{r % 2 ? "1" : "2", "", {r % 60 + 1, 2, 3, 4}};
    const QString bigFile = written("big.kvs", big);
    const CliRun over = runCli({QStringLiteral("compact"), bigFile, QStringLiteral("-o"), out()});
    EXPECT_EQ(over.exitCode, 0) << over.err.toStdString();
    EXPECT_EQ(over.out,
              QStringLiteral("sequence 0: 540 -> 540 bytes (nothing to win), the image still 39 "
                             "bytes above 510\nsequence 1: 0 -> 0 bytes (nothing to win), the "
                             "image still 39 bytes above 510\n"));
}

TEST_F(CliCompact, BadInputWritesNothing) {
    const QString good = written("good.kvs", blinks(5));
    const QString damaged = dir.filePath(QStringLiteral("damaged.kvs"));
    {
        QFile in(good);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        bytes[bytes.size() - 2] = char(bytes[bytes.size() - 2] ^ 0x01);  // a checksum digit
        QFile copy(damaged);
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size());
    }
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{"compact", damaged, "-o", out()}, 3},
        {{"compact", dir.filePath("missing.kvs"), "-o", out()}, 2},
        {{"compact", good}, 2},
        {{"compact", good, "-o", out(), "--sequence", "2"}, 2},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(QFile::exists(out())) << c.args.join(' ').toStdString();
    }
}
