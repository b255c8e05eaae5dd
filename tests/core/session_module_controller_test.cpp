// The module controller against the virtual module on a pseudo-terminal, seen only through its
// signals: the exchange runs on the line's thread, the reports arrive on the test's thread.
// These tests take real time: the line waits are real.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "config/settings_keys.h"
#include "module/upload_messages.h"
#include "session/module_controller.h"
#include "support/processes.h"
#include "vehicle/option_rules.h"

namespace vireo {
namespace {

// Everything the controller reported, in order; progress and the notice apart.
struct Reports {
    explicit Reports(ModuleController& controller) {
        auto* c = &controller;
        QObject::connect(c, &ModuleController::exchangeRunningChanged, [this](bool running) {
            events << QStringLiteral("running %1").arg(running);
            onThread = onThread && QThread::currentThread() == qApp->thread();
        });
        QObject::connect(c, &ModuleController::identityChanged,
                         [this](const QString& type, const QString& version) {
                             events << QStringLiteral("identity %1 %2").arg(type, version);
                         });
        QObject::connect(c, &ModuleController::statusTextChanged,
                         [this](const QString& text) { events << "status " + text; });
        QObject::connect(c, &ModuleController::messageReady,
                         [this](const QString& text, const QString& title, PromptIcon icon) {
                             events << "message " + title;
                             messages.push_back({text, title, icon});
                         });
        QObject::connect(c, &ModuleController::progressChanged, [this](int value, int maximum) {
            progress.push_back({value, maximum});
            onThread = onThread && QThread::currentThread() == qApp->thread();
        });
        QObject::connect(c, &ModuleController::connectingNoticeChanged,
                         [this](bool shown) { notice.push_back(shown); });
        QObject::connect(c, &ModuleController::portChecked,
                         [this](int n) { events << QStringLiteral("checked %1").arg(n); });
        QObject::connect(c, &ModuleController::portLabelChanged,
                         [this](const QString& text) { events << "label " + text; });
    }

    QStringList events;
    std::vector<UserMessage> messages;
    std::vector<std::pair<int, int>> progress;
    std::vector<bool> notice;
    bool onThread = true;  // every report came on the controller's thread
};

class ModuleControllerTest : public ::testing::Test {
  protected:
    QString link() const { return dir.filePath(QStringLiteral("module")); }
    QString dumpPath() const { return dir.filePath(QStringLiteral("dump.json")); }

    std::unique_ptr<test::VirtualModule> startModule(QStringList options) {
        options << QStringLiteral("--dump") << dumpPath();
        auto module = std::make_unique<test::VirtualModule>(link(), options);
        EXPECT_TRUE(module->ready());
        return module;
    }

    // Port 1 reaches the virtual module; no other port exists.
    std::unique_ptr<ModuleController> makeController() {
        const QString path = link();
        return std::make_unique<ModuleController>(
            settings, texts, [path](int n) { return n == 1 ? path : QString(); });
    }

    // Runs the event loop until the exchange has ended; false when it did not end in time.
    static bool waitForEnd(ModuleController& controller, int ms = 20000) {
        if (!controller.exchangeRunning()) return true;
        QEventLoop loop;
        QObject::connect(&controller, &ModuleController::exchangeRunningChanged, &loop,
                         [&](bool running) {
                             if (!running) loop.quit();
                         });
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
        return !controller.exchangeRunning();
    }

    QTemporaryDir dir;
    MemorySettingsStore settings;
    const LanguageTable& texts = LanguageTable::builtIn();
};

Document oneWelcomeRow() {
    Document d;
    d.model = QStringLiteral("111");
    d.options = QStringLiteral("00000000000000000000");
    d.sequences[kWelcome] = {Step{"1,5", QString(), {0, 5, 0, 0}},
                             Step{"0,5", QString(), {12, 0, 0, 7}}};
    return d;
}

// "Standlicht US" (bit value 4 of image byte 6) and "Tagfahrlicht über Standlicht" (8) ticked.
VehicleOptions usParkingLights(const Document& d) {
    VehicleOptions options = restoredOptions(d.model, d.options, QString());
    options.standlichtUs.ticked = true;
    options.tagfahrlichtStandlicht.ticked = true;
    return options;
}

TEST_F(ModuleControllerTest, AnUploadRunsOnTheLineAndIsSeenThroughTheSignals) {
    // A Tovan module (type 5.0) has neither of the two options: the image is built without them.
    const auto module = startModule({QStringLiteral("--type"), QStringLiteral("5.0")});
    const auto controller = makeController();
    Reports reports(*controller);
    const Document d = oneWelcomeRow();

    controller->sendData(1, d, usParkingLights(d), d.options, 30, false);
    // The call returns at once; meanwhile a second command is refused.
    EXPECT_TRUE(controller->exchangeRunning());
    controller->readModuleType(1, false);
    controller->choosePort(2);
    ASSERT_TRUE(waitForEnd(*controller));

    const QString success = texts.entry(110) + "\n\n" + texts.entry(106) + " 3 %";
    EXPECT_EQ(reports.events,
              QStringList({"running 1", "status Kelvor Vireo Ver. 2.5 / Typ 5.0",
                           "identity 5.0 2.5", "message www.kelvor.example", "running 0"}));
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_EQ(reports.messages[0].text, success);
    EXPECT_EQ(reports.messages[0].icon, PromptIcon::Information);
    EXPECT_TRUE(reports.onThread);

    // 0, then every byte of the 16 as it is confirmed, then 0 again before the end frame.
    std::vector<std::pair<int, int>> expectedProgress;
    for (int value : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0})
        expectedProgress.push_back({value, 16});
    EXPECT_EQ(reports.progress, expectedProgress);
    ASSERT_FALSE(reports.notice.empty());
    EXPECT_TRUE(reports.notice.front());
    EXPECT_FALSE(reports.notice.back());

    // Byte 6 is 0: the edition took both options away (with them it would be 0c).
    EXPECT_EQ(test::dumpedMemoryHex(dumpPath()).toStdString(),
              "00 10 00 11 1e 00 00 00 00 c4 0f 05 d2 05 0c 07");
    EXPECT_EQ(controller->moduleType(), "5.0");
    EXPECT_EQ(controller->memorySize(), 510);
    EXPECT_FALSE(controller->portOpen());
    EXPECT_EQ(settings.read(settings_keys::kPort), QString());  // the refused choice stored nothing
}

TEST_F(ModuleControllerTest, ReadingTheModuleTypeReportsTheEditionAndItsMemory) {
    const auto module = startModule({});
    const auto controller = makeController();
    Reports reports(*controller);

    controller->readModuleType(1, false);
    ASSERT_TRUE(waitForEnd(*controller));

    EXPECT_EQ(reports.events,
              QStringList({"running 1", "status Kelvor Vireo Ver. 2.5 / Typ 5.1",
                           "identity 5.1 2.5", "message " + texts.entry(114), "running 0"}));
    EXPECT_TRUE(reports.messages.at(0).text.contains(texts.entry(288).arg(1010)));
    EXPECT_EQ(controller->moduleType(), "5.1");
    EXPECT_EQ(controller->moduleVersion(), "2.5");
    EXPECT_EQ(controller->memorySize(), 1010);
    EXPECT_FALSE(controller->portOpen());
    EXPECT_TRUE(reports.progress.empty());
}

TEST_F(ModuleControllerTest, ASilentModuleLeavesTheIdentityAsItWas) {
    const auto module = startModule({QStringLiteral("--silent-after"), QStringLiteral("0")});
    const auto controller = makeController();
    Reports reports(*controller);

    controller->readModuleType(1, false);
    ASSERT_TRUE(waitForEnd(*controller));

    EXPECT_EQ(reports.events, QStringList({"running 1", "message " + texts.entry(102),
                                           "status " + texts.entry(103), "running 0"}));
    EXPECT_EQ(reports.messages.at(0).text, texts.entry(101));
    EXPECT_EQ(controller->moduleType(), QString());
    EXPECT_EQ(controller->memorySize(), 0);
}

// A module that falls silent during the upload is not connected any more: the status says so at
// once, as after a failed identification, not only at the next attempt.
TEST_F(ModuleControllerTest, AnUploadCutOffHalfWaySaysNoModuleIsConnected) {
    const auto module = startModule({QStringLiteral("--silent-after"), QStringLiteral("6")});
    const auto controller = makeController();
    Reports reports(*controller);
    const Document d = oneWelcomeRow();

    controller->sendData(1, d, usParkingLights(d), d.options, 30, false);
    ASSERT_TRUE(waitForEnd(*controller, 60000));

    const qsizetype connected = reports.events.indexOf("status Kelvor Vireo Ver. 2.5 / Typ 5.1");
    const qsizetype cut = reports.events.indexOf("status " + texts.entry(103));
    ASSERT_GE(connected, 0) << reports.events.join(" | ").toStdString();
    EXPECT_GT(cut, connected) << reports.events.join(" | ").toStdString();
    ASSERT_EQ(reports.messages.size(), 1u);
    EXPECT_NE(reports.messages[0].icon, PromptIcon::Information);  // not the success
    EXPECT_EQ(reports.events.last(), "running 0");
}

TEST_F(ModuleControllerTest, AMissingPortIsReportedAndTheChoiceIsStored) {
    const auto controller = makeController();
    Reports reports(*controller);

    controller->choosePort(2);
    ASSERT_TRUE(waitForEnd(*controller));

    EXPECT_EQ(reports.events, QStringList({"running 1", "checked 2", "message " + texts.entry(93),
                                           "label  Port: 2", "running 0"}));
    EXPECT_EQ(reports.messages.at(0).text, texts.entry(91) + "2" + texts.entry(92));
    EXPECT_EQ(settings.read(settings_keys::kPort), "2");
}

}  // namespace
}  // namespace vireo
