// The serial link, the handshake and the identify command against the virtual module on a
// pseudo-terminal. These tests take real time: the line waits are real.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "module/identification_report.h"
#include "module/link_exchanger.h"
#include "module/serial_byte_link.h"
#include "support/processes.h"

namespace vireo {
namespace {

using test::CliRun;
using test::runCli;
using test::VirtualModule;

class EndToEnd : public ::testing::Test {
  protected:
    QString linkPath(const char* name = "module") const {
        return dir.filePath(QString::fromLatin1(name));
    }
    std::unique_ptr<VirtualModule> startModule(const QStringList& options,
                                               const char* name = "module") {
        auto module = std::make_unique<VirtualModule>(linkPath(name), options);
        EXPECT_TRUE(module->ready());
        return module;
    }
    QTemporaryDir dir;
};

TEST_F(EndToEnd, IdentifyReportsTypeAndVersion) {
    const auto module =
        startModule({QStringLiteral("--type"), QStringLiteral("6.2"), QStringLiteral("--version"),
                     QStringLiteral("3.1"), QStringLiteral("--baud"), QStringLiteral("9600")});
    const CliRun run = runCli({QStringLiteral("identify"), QStringLiteral("--port"), linkPath()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("type 6.2 version 3.1\n"));
}

TEST_F(EndToEnd, ABusyModuleIsAskedAgainAfterTheEndFrame) {
    const auto module = startModule({QStringLiteral("--busy"), QStringLiteral("1")});
    const CliRun run = runCli({QStringLiteral("identify"), QStringLiteral("--port"), linkPath()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("type 5.1 version 2.5\n"));
}

TEST_F(EndToEnd, LongIdentifyReadsTheDeveloperReply) {
    const auto module = startModule({QStringLiteral("--long-reply"), QStringLiteral("--date"),
                                     QStringLiteral("1122009"), QStringLiteral("--coded-model"),
                                     QStringLiteral("30")});
    // An identification reply is whole at eleven bytes or at the end of the try, however the
    // pseudo-terminal splits it.
    const CliRun run = runCli({QStringLiteral("identify"), QStringLiteral("--port"), linkPath(),
                               QStringLiteral("--long")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "type 5.1 version 2.5 date 1.12.2009 model 30\n")
        << run.err.toStdString();
}

TEST_F(EndToEnd, ModulesThatNeverGiveAValidReplyExitWithSix) {
    const std::vector<QStringList> faults = {
        {QStringLiteral("--busy"), QStringLiteral("2")},
        {QStringLiteral("--garbage-id")},
        {QStringLiteral("--silent-after"), QStringLiteral("0")}};
    for (const QStringList& fault : faults) {
        const auto module = startModule(fault);
        const CliRun run =
            runCli({QStringLiteral("identify"), QStringLiteral("--port"), linkPath()});
        EXPECT_EQ(run.exitCode, 6) << fault.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST_F(EndToEnd, AMissingPortIsABadPort) {
    const CliRun run =
        runCli({QStringLiteral("identify"), QStringLiteral("--port"), linkPath("none")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("no such port"))) << run.err.toStdString();
}

TEST_F(EndToEnd, APortHeldByAnotherLinkIsInUse) {
    const auto module = startModule({});
    SerialByteLink holder;
    ASSERT_TRUE(holder.open(linkPath()).ok());
    SerialByteLink second;
    EXPECT_EQ(second.open(linkPath()).result, LinkOpenResult::InUse);
    const CliRun run = runCli({QStringLiteral("identify"), QStringLiteral("--port"), linkPath()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("in use"))) << run.err.toStdString();
}

// Write frames echo with one byte more and land in memory; the end frame (which begins like a
// write to address 1) makes the module write its memory out.
TEST_F(EndToEnd, WriteFramesEchoAndTheEndFrameDumpsMemory) {
    const QString dump = dir.filePath(QStringLiteral("dump.json"));
    const auto module =
        startModule({QStringLiteral("--baud"), QStringLiteral("9600"), QStringLiteral("--dump"),
                     dump, QStringLiteral("--corrupt-first"), QStringLiteral("1"),
                     QStringLiteral("--corrupt-address"), QStringLiteral("3")});
    SerialByteLink link;
    ASSERT_TRUE(link.open(linkPath()).ok());
    LinkExchanger exchanger(link, systemClock());
    const QByteArray first("\x00\x01\x05", 3);
    EXPECT_EQ(exchanger.sendReceive(first).left(3), first);
    EXPECT_EQ(exchanger.sendReceive(QByteArray("\x00\x02\x07", 3)).size(), 4);
    const QByteArray third("\x00\x03\x09", 3);
    EXPECT_NE(exchanger.sendReceive(third).left(3), third);  // corrupted once
    EXPECT_EQ(exchanger.sendReceive(third).left(3), third);
    exchanger.sendReceive(QByteArray("\x00\x01", 2));
    const QJsonObject image = test::dumpedMemory(dump);
    EXPECT_EQ(image.value(QStringLiteral("length")).toInt(), 3);
    EXPECT_EQ(image.value(QStringLiteral("bytes")).toArray(), (QJsonArray{5, 7, 9}));
}

}  // namespace
}  // namespace vireo
