// vireo-cli upload against the virtual module on a pseudo-terminal: what the module holds after
// an upload is exactly the image `vireo-cli image` prints for the module's type, whatever faults
// the line heals; a fault that does not heal is a failure, never a success. These tests take
// real time: the line waits are real.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "files/document_json.h"
#include "support/processes.h"

using namespace vireo;
using namespace vireo::test;

namespace {

// Two sequences with a loop and both holds (model 111 offers them), and the short mirror
// option that a type 5.1 module does not have.
Document sampleDocument() {
    const QString loop = QStringLiteral("S  1 / 4 x");
    Document d;
    d.model = QStringLiteral("111");
    d.options = QStringLiteral("00000001110000000000");
    d.sequences[kWelcome] = {Step{"1", "", {1, 2, 3, 4}}, Step{"0,5", loop, {5, 0, 0, 0}},
                             Step{"0,5", loop, {0, 6, 0, 0}}, Step{"2", "", {0, 0, 16, 16}}};
    d.sequences[kGoodbye] = {Step{"1,5", "", {63, 0, 0, 1}}, Step{"0,1", "", {0, 0, 0, 0}}};
    return d;
}

class CliUpload : public ::testing::Test {
  protected:
    void SetUp() override {
        file = dir.filePath(QStringLiteral("sample.kvs"));
        const CliRun run =
            runCli({QStringLiteral("write"), file}, documentToJson(sampleDocument()));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const CliRun image = runCli({QStringLiteral("image"), file, QStringLiteral("--module-type"),
                                     QStringLiteral("5.1")});
        ASSERT_EQ(image.exitCode, 0) << image.err.toStdString();
        expectedImage = image.out.trimmed();
    }
    QString port() const { return dir.filePath(QStringLiteral("module")); }
    QString dump() const { return dir.filePath(QStringLiteral("dump.json")); }
    std::unique_ptr<VirtualModule> startModule(const QStringList& faults) {
        auto module = std::make_unique<VirtualModule>(
            port(), QStringList{QStringLiteral("--type"), QStringLiteral("5.1"),
                                QStringLiteral("--dump"), dump()} +
                        faults);
        EXPECT_TRUE(module->ready());
        return module;
    }
    CliRun upload(const QString& path) {
        return runCli({QStringLiteral("upload"), path, QStringLiteral("--port"), port()});
    }
    int imageLength() const { return int(expectedImage.split(QLatin1Char(' ')).size()); }

    QTemporaryDir dir;
    QString file;
    QString expectedImage;
};

}  // namespace

TEST_F(CliUpload, TheModuleHoldsTheImageForItsType) {
    // The module's type takes the mirror option away: its image differs from the plain one.
    EXPECT_NE(runCli({QStringLiteral("image"), file}).out.trimmed(), expectedImage);
    const auto module = startModule({QStringLiteral("--baud"), QStringLiteral("9600")});
    const CliRun run = upload(file);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("sent %1 bytes\n").arg(imageLength()));
    EXPECT_TRUE(run.err.contains(QStringLiteral("\rsent %1/%1").arg(imageLength())))
        << run.err.toStdString();
    EXPECT_EQ(dumpedMemoryHex(dump()), expectedImage);
}

// Dropped frames (more than one exchange's five tries) and wrong echoes up to the last allowed
// sending of an index are healed by sending again.
TEST_F(CliUpload, HealedFaultsStillGiveTheExactImage) {
    const QStringList faults[] = {
        {QStringLiteral("--drop-first"), QStringLiteral("7"), QStringLiteral("--drop-address"),
         QStringLiteral("1")},
        {QStringLiteral("--drop-first"), QStringLiteral("3"), QStringLiteral("--drop-address"),
         QStringLiteral("12")},
        {QStringLiteral("--corrupt-first"), QStringLiteral("5"),
         QStringLiteral("--corrupt-address"), QStringLiteral("6")},
    };
    for (const QStringList& fault : faults) {
        QFile::remove(dump());
        const auto module = startModule(fault);
        const CliRun run = upload(file);
        EXPECT_EQ(run.exitCode, 0) << fault.join(' ').toStdString() << run.err.toStdString();
        EXPECT_EQ(run.out, QStringLiteral("sent %1 bytes\n").arg(imageLength()));
        EXPECT_EQ(dumpedMemoryHex(dump()), expectedImage) << fault.join(' ').toStdString();
    }
}

TEST_F(CliUpload, FaultsThatDoNotHealFailWithSeven) {
    const QStringList faults[] = {
        {QStringLiteral("--corrupt-first"), QStringLiteral("12"),
         QStringLiteral("--corrupt-address"), QStringLiteral("5")},
        {QStringLiteral("--corrupt-first"), QStringLiteral("6"),
         QStringLiteral("--corrupt-address"), QStringLiteral("1")},
        {QStringLiteral("--silent-after"), QStringLiteral("6")},  // identification + 5 writes
    };
    for (const QStringList& fault : faults) {
        const auto module = startModule(fault);
        const CliRun run = upload(file);
        EXPECT_EQ(run.exitCode, 7) << fault.join(' ').toStdString() << run.err.toStdString();
        EXPECT_FALSE(run.out.contains(QStringLiteral("sent"))) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("transfer failed"))) << run.err.toStdString();
    }
}

TEST_F(CliUpload, ExitCodesBeforeAndAroundTheTransfer) {
    const auto write = [&](const char* name, Document d) {
        const QString path = dir.filePath(QLatin1String(name));
        EXPECT_EQ(runCli({QStringLiteral("write"), path}, documentToJson(d)).exitCode, 0);
        return path;
    };
    Document empty = sampleDocument();
    empty.sequences[kWelcome].clear();
    empty.options = QStringLiteral("00000000000000000000");
    const QString nothing = write("nothing.kvs", empty);
    Document big = sampleDocument();
    for (int r = 0; r < 90; ++r)
        big.sequences[kWelcome] << Step{r % 2 ? "1" : "2", "", {1, 2, 3, 4}};
    const QString tooBig = write("big.kvs", big);
    Document unknown = sampleDocument();
    unknown.model = QStringLiteral("203");
    const QString unknownModel = write("unknown.kvs", unknown);

    {
        const auto module = startModule({});
        const CliRun run = upload(tooBig);
        EXPECT_EQ(run.exitCode, 4) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    {
        const auto module = startModule({QStringLiteral("--silent-after"), QStringLiteral("0")});
        const CliRun run = upload(file);
        EXPECT_EQ(run.exitCode, 6) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("no module answered")))
            << run.err.toStdString();
    }
    // No module needed: these stop before the port, or at it.
    const struct {
        QStringList args;
        int exitCode;
        QString errorNames;
    } cases[] = {
        {{"upload", nothing, "--port", port()}, 5, nothing},
        {{"upload", unknownModel, "--port", port()}, 2, "\"203\""},
        {{"upload", file, "--port", dir.filePath("none")}, 2, "no such port"},
        {{"upload", file}, 2, "--port"},
        {{"upload", file, "--port", port(), "--capacity", "many"}, 2, "--capacity"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.errorNames)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.args.join(' ').toStdString();
    }
}
