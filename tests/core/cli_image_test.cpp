// image, memory and play of vireo-cli on .kvs files written by vireo-cli write.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "files/document_json.h"
#include "support/processes.h"

using namespace vireo;
using namespace vireo::test;

namespace {

constexpr const char* kNoOptions = "00000000000000000000";

class CliFiles : public ::testing::Test {
  protected:
    // Writes the document through `vireo-cli write` and returns the file's path.
    QString written(const char* name, const Document& document) {
        const QString path = dir.filePath(QLatin1String(name));
        const CliRun run = runCli({QStringLiteral("write"), path}, documentToJson(document));
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return path;
    }
    QTemporaryDir dir;
};

Document document(const char* model, Sequence welcome, Sequence goodbye = {}) {
    Document d;
    d.model = QLatin1String(model);
    d.options = QLatin1String(kNoOptions);
    d.sequences[kWelcome] = std::move(welcome);
    d.sequences[kGoodbye] = std::move(goodbye);
    return d;
}

const Sequence kOneRow = {Step{"1,5", "", {0, 5, 0, 0}}};

}  // namespace

TEST_F(CliFiles, ImageAndMemoryOfOneRow) {
    const QString file = written("one.kvs", document("111", kOneRow));
    const CliRun image = runCli({QStringLiteral("image"), file});
    EXPECT_EQ(image.exitCode, 0) << image.err.toStdString();
    // Welcome ends at 12, goodbye at 13, module code 30 of model 111, no option bits.
    EXPECT_EQ(image.out, QStringLiteral("00 0c 00 0d 1e 00 00 00 00 c4 0f 05\n"));
    const CliRun memory = runCli({QStringLiteral("memory"), file});
    EXPECT_EQ(memory.exitCode, 0) << memory.err.toStdString();
    EXPECT_EQ(memory.out, QStringLiteral("2 %\n"));  // 12 of 510 bytes: 2.35 -> 2.4 -> 2
}

// The check boxes come from the option string under the dialog's rules, and the module type
// restricts them: model 111 offers the hold boxes; type 5.1 has no mirror options.
TEST_F(CliFiles, ImageReadsTheRestoredOptionsAndTheEdition) {
    Document d = document("111", kOneRow);
    d.options = QStringLiteral("00000001110000000000");  // welcome and goodbye hold, mirror short
    const QString file = written("options.kvs", d);
    const CliRun plain =
        runCli({QStringLiteral("image"), file, QStringLiteral("--welcome-hold"),
                QStringLiteral("0"), QStringLiteral("--goodbye-hold"), QStringLiteral("1")});
    EXPECT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    // Hold records 192 100 (10 s) and 192 100 128 (20 s) after the sections.
    EXPECT_EQ(plain.out, QStringLiteral("00 0e 00 11 1e 70 00 00 00 c4 0f 05 c0 64 c0 64 80\n"));
    const CliRun restricted =
        runCli({QStringLiteral("image"), file, QStringLiteral("--welcome-hold"),
                QStringLiteral("0"), QStringLiteral("--goodbye-hold"), QStringLiteral("1"),
                QStringLiteral("--module-type"), QStringLiteral("5.1")});
    EXPECT_EQ(restricted.out,
              QStringLiteral("00 0e 00 11 1e 30 00 00 00 c4 0f 05 c0 64 c0 64 80\n"));
}

TEST_F(CliFiles, FailuresNameTheFileAndExitWithTheirCode) {
    const QString unknownModel = written("unknown.kvs", document("203", kOneRow));
    const QString empty = written("empty.kvs", document("111", {}));
    Sequence tooLong;
    for (int r = 0; r < 90; ++r) tooLong << Step{r % 2 ? "1" : "2", "", {1, 2, 3, 4}};
    const QString big = written("big.kvs", document("111", tooLong));
    const QString damaged = dir.filePath(QStringLiteral("damaged.kvs"));
    {
        QFile in(written("good.kvs", document("111", kOneRow)));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        bytes[bytes.size() - 2] = char(bytes[bytes.size() - 2] ^ 0x01);  // a checksum digit
        QFile out(damaged);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }
    const QString missing = dir.filePath(QStringLiteral("missing.kvs"));
    const struct {
        QStringList args;
        int exitCode;
        QString errorNames;
    } cases[] = {
        {{"image", unknownModel}, 2, "\"203\""},
        {{"image", empty}, 5, empty},
        {{"memory", empty}, 5, empty},
        {{"image", big}, 4, big},
        {{"memory", big}, 4, big},
        {{"image", damaged}, 3, damaged},
        {{"memory", damaged}, 3, damaged},
        {{"memory", damaged, "--json"}, 3, damaged},
        {{"memory", missing, "--json"}, 2, missing},
        {{"memory", empty, "--json"}, 5, empty},
        {{"play", damaged}, 3, damaged},
        {{"image", missing}, 2, missing},
        {{"play", missing}, 2, missing},
        {{"image", unknownModel, "--welcome-hold", "12"}, 2, "--welcome-hold"},
        {{"memory", unknownModel, "--module-type", "5.1"}, 2, "--module-type"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.errorNames)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.args.join(' ').toStdString();
    }
    // The memory need does not depend on the vehicle: an unknown model still has one.
    EXPECT_EQ(runCli({QStringLiteral("memory"), unknownModel}).out, QStringLiteral("2 %\n"));
}

TEST_F(CliFiles, MemoryAsJsonNamesEveryPart) {
    const QString file =
        written("two.kvs", document("111", kOneRow, {Step{"1", "", {0, 0, 16, 16}}}));
    const CliRun run = runCli({QStringLiteral("memory"), file, QStringLiteral("--json")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              QStringLiteral("{\n  \"capacity\": 510,\n  \"total\": 15,\n  \"header\": 9,\n"
                             "  \"holds\": 0,\n  \"steps\": [\n    [3],\n    [3]\n  ]\n}\n"));

    // Above the capacity: the whole image's figures, and the exit code of an image that does
    // not fit. 90 rows of 6 bytes.
    Sequence tooLong;
    for (int r = 0; r < 90; ++r) tooLong << Step{r % 2 ? "1" : "2", "", {1, 2, 3, 4}};
    Document withHolds = document("111", tooLong);
    withHolds.options = QStringLiteral("00000001100000000000");  // welcome and goodbye hold
    const QString big = written("big.kvs", withHolds);
    const CliRun over = runCli({QStringLiteral("memory"), big, QStringLiteral("--json")});
    EXPECT_EQ(over.exitCode, 4);
    const QJsonObject json = QJsonDocument::fromJson(over.out.toUtf8()).object();
    EXPECT_EQ(json.value(QStringLiteral("capacity")).toInt(), 510);
    EXPECT_EQ(json.value(QStringLiteral("total")).toInt(), 9 + 540 + 4 + 4);  // holds at position 2
    EXPECT_EQ(json.value(QStringLiteral("holds")).toInt(), 8);
    const QJsonArray steps = json.value(QStringLiteral("steps")).toArray();
    ASSERT_EQ(steps.size(), 2);
    EXPECT_EQ(steps[0].toArray().size(), 90);
    EXPECT_EQ(steps[0].toArray()[89].toInt(), 6);
    EXPECT_TRUE(steps[1].toArray().isEmpty());

    // The plain output is unchanged.
    EXPECT_EQ(runCli({QStringLiteral("memory"), file}).out, QStringLiteral("3 %\n"));
}

TEST_F(CliFiles, PlayRepeatsALoop) {
    const QString loop = QStringLiteral("S  1 / 3 x");
    const QString file =
        written("loop.kvs",
                document("111", {Step{"1", "", {1, 0, 0, 0}}, Step{"0,5", loop, {2, 0, 0, 0}},
                                 Step{"1,5", loop, {3, 0, 0, 0}}, Step{"2", "", {4, 0, 0, 0}}}));
    const CliRun run = runCli({QStringLiteral("play"), file});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              QStringLiteral("1 1000\n2 500\n3 1500\n2 500\n3 1500\n2 500\n3 1500\n4 2000\n"));
    EXPECT_EQ(runCli({QStringLiteral("play"), file, QStringLiteral("--from"), QStringLiteral("3"),
                      QStringLiteral("--limit"), QStringLiteral("2")})
                  .out,
              QStringLiteral("3 1500\n2 500\n"));
}
