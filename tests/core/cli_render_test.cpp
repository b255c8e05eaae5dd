#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "files/kvs_writer.h"
#include "sequence/loop_marker.h"
#include "simulation/animation_plan.h"
#include "support/processes.h"

using namespace vireo;
using vireo::test::runCli;

namespace {

Document sample() {
    Document d;
    d.model = QStringLiteral("113");
    const QString loop = loopMarker(1, 3);
    d.sequences[kWelcome] = {{"0,5", {}, {1, 0, 0, 0}},
                             {"0,2", loop, {0, 2, 0, 0}},
                             {"0,3", loop, {0, 0, 4, 0}},
                             {"1", {}, {63, 63, 63, 63}}};
    d.sequences[kGoodbye] = {{"0,1", loopMarker(1, 0), {8, 8, 8, 8}},
                             {"0,1", loopMarker(1, 0), {0, 0, 0, 0}}};
    return d;
}

struct Decoded {
    int frames = 0;
    QSize size;
    int durationMs = 0;
};

Decoded decode(const QString& path) {
    QImageReader reader(path, "gif");
    Decoded d;
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        ++d.frames;
        d.size = image.size();
        d.durationMs += reader.nextImageDelay();
    }
    return d;
}

class CliRender : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath(QStringLiteral("show.kvs"));
        ASSERT_TRUE(writeKvsFile(file, sample()));
    }
    QTemporaryDir dir;
    QString file;
};

}  // namespace

TEST_F(CliRender, WritesThePlaybackOfTheChosenSequenceAndSaysWhat) {
    const struct {
        QStringList options;
        int sequence;
        int from;  // 0-based
        int limit;
        int width;
    } cases[] = {
        {{}, kWelcome, 0, kDefaultAnimationStepLimit, 390},
        {{"--from", "3", "--width", "195"}, kWelcome, 2, kDefaultAnimationStepLimit, 195},
        {{"--sequence", "1", "--limit", "9"}, kGoodbye, 0, 9, 390},
    };
    for (const auto& c : cases) {
        const QString out = dir.filePath(QStringLiteral("show.gif"));
        const test::CliRun run = runCli(QStringList{"render", file, "-o", out} + c.options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const AnimationPlan plan = animationPlan(sample().sequences[c.sequence], c.from, c.limit);
        const Decoded gif = decode(out);
        EXPECT_EQ(gif.frames, plan.frames.size()) << c.options.join(' ').toStdString();
        EXPECT_EQ(gif.durationMs, plan.durationMs);
        EXPECT_EQ(gif.size.width(), c.width);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QStringLiteral("%1 frames").arg(plan.frames.size())))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("%1 bytes").arg(QFile(out).size())))
            << run.err.toStdString();
    }
}

TEST_F(CliRender, ExitCodesAndMessages) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    bytes[bytes.size() - 2] = char(bytes[bytes.size() - 2] ^ 0x01);  // a checksum digit
    const QString damaged = dir.filePath(QStringLiteral("damaged.kvs"));
    QFile d(damaged);
    ASSERT_TRUE(d.open(QIODevice::WriteOnly) && d.write(bytes) == bytes.size());
    d.close();
    Document empty;
    const QString emptyFile = dir.filePath(QStringLiteral("empty.kvs"));
    ASSERT_TRUE(writeKvsFile(emptyFile, empty));
    const QString out = dir.filePath(QStringLiteral("out.gif"));

    const struct {
        QStringList args;
        int exitCode;
        QString errorNames;
    } cases[] = {
        {{"render", file}, 2, "-o"},
        {{"render", "-o", out}, 2, "no file"},
        {{"render", file, "-o", out, "--width", "10"}, 2, "--width"},
        {{"render", file, "-o", out, "--sequence", "2"}, 2, "--sequence"},
        {{"render", file, "-o", out, "--from", "5"}, 2, "no row 5"},
        {{"render", dir.filePath("missing.kvs"), "-o", out}, 2, "missing.kvs"},
        {{"render", damaged, "-o", out}, 3, damaged},
        {{"render", emptyFile, "-o", out}, 2, "no rows"},
        {{"render", file, "-o", dir.filePath("no/such/folder.gif")}, 2, "folder.gif"},
    };
    for (const auto& c : cases) {
        const test::CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.errorNames)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));

    const test::CliRun help = runCli({"render", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("vireo-cli render FILE.kvs -o OUT.gif")))
        << help.out.toStdString();
}
