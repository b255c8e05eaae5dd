// The main window's module commands against the virtual module on a pseudo-terminal. These
// tests take real time: the line waits are real.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include "app/main_window.h"
#include "app/startup.h"
#include "config/ui/frm_parameter.h"
#include "model/vehicle_catalogue.h"
#include "module/identification_report.h"
#include "module/image_memory_check.h"
#include "module/port_open_message.h"
#include "module/upload_image.h"
#include "platform/app_info.h"
#include "platform/program_folder.h"
#include "support/processes.h"
#include "support/window_fixture.h"

using namespace vireo;
namespace k = vireo::settings_keys;

namespace {

class ModuleWindowTest : public test::WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        // Port 1 reaches the virtual module's link, port 2 a device that does not exist.
        qputenv("VIREO_COM1", link().toLocal8Bit());
        qputenv("VIREO_COM2", folder.filePath(QStringLiteral("none")).toLocal8Bit());
    }
    void TearDown() override {
        qunsetenv("VIREO_COM1");
        qunsetenv("VIREO_COM2");
        WindowFixture::TearDown();
    }

    QString link() const { return folder.filePath(QStringLiteral("module")); }
    QString dumpPath() const { return folder.filePath(QStringLiteral("dump.json")); }

    std::unique_ptr<test::VirtualModule> startModule(QStringList options = {}) {
        options << QStringLiteral("--dump") << dumpPath();
        auto module = std::make_unique<test::VirtualModule>(link(), options);
        EXPECT_TRUE(module->ready());
        return module;
    }

    std::unique_ptr<MainWindow> start() {
        auto window = startWindow();
        prompter.prompts.clear();
        return window;
    }

    static Document oneWelcomeRow(const MainWindow& w) {
        Document d;
        d.model = w.modell();
        d.options = w.optionen();
        d.sequences[kWelcome] = {Step{QStringLiteral("1,5"), QString(), {0, 5, 0, 0}},
                                 Step{QStringLiteral("0,5"), QString(), {12, 0, 0, 7}}};
        return d;
    }

    static int moduleCodeOf(const QString& model) {
        return vehicleSetupFor(model).value_or(VehicleSetup{}).modellnummer;
    }
};

TEST_F(ModuleWindowTest, ReadingTheModuleTypeConnectsAndReportsTheEdition) {
    const auto module = startModule();
    auto w = start();
    const LanguageTable& t = w->texts();
    w->editor().reset(oneWelcomeRow(*w));

    // Before any identification the memory size is unknown: the capacity message.
    child<QPushButton>(*w, "cmdSpeicherbedarf")->click();
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, capacityMessage(t).text);
    prompter.prompts.clear();

    child<QAction>(*w, "M_Type")->trigger();
    EXPECT_EQ(w->modulTyp(), "5.1");
    EXPECT_EQ(w->modulVer(), "2.5");
    EXPECT_EQ(child<QLabel>(*w, "labInfo")->text(), "Kelvor Vireo Ver. 2.5 / Typ 5.1");
    EXPECT_EQ(w->vehicleSettings().moduleType(), "5.1");
    EXPECT_EQ(w->speichergroesse(), 1010);
    EXPECT_FALSE(w->modulePortOpen());
    EXPECT_FALSE(child<QWidget>(*w, "frmVerbindung")->isVisible());

    ModuleIdentity identity;
    identity.connected = true;
    identity.type = QStringLiteral("5.1");
    identity.version = QStringLiteral("2.5");
    const PromptMessage report =
        identificationMessage(identity, t, kAppTitle, [](int i) { return modellnamen().value(i); });
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, report.text);
    EXPECT_EQ(prompter.prompts[0].title, t.entry(114));
    prompter.prompts.clear();

    // Now the memory check measures against the identified module's memory.
    child<QPushButton>(*w, "cmdSpeicherbedarf")->click();
    const MemoryCheck check = checkMemory(w->editor().document(), w->vehicleSettings().options(),
                                          moduleCodeOf(w->modell()), 1010, t);
    ASSERT_TRUE(check.percent.has_value());
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, check.message.text);
}

TEST_F(ModuleWindowTest, SendingWritesTheDocumentsImageIntoTheModule) {
    const auto module = startModule();
    auto w = start();
    const LanguageTable& t = w->texts();
    w->editor().reset(oneWelcomeRow(*w));
    auto* progress = child<QProgressBar>(*w, "Send_Progress");
    auto* mType = child<QAction>(*w, "M_Type");
    auto* send = child<QPushButton>(*w, "cmdDaten");
    auto* port3 = child<QAction>(*w, "Port_3");

    // While the bytes go out, the module commands are locked and a second exchange is refused.
    int updates = 0;
    bool lockedThroughout = true;
    int maximum = 0;
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
        if (value == 0) return;
        ++updates;
        maximum = progress->maximum();
        lockedThroughout = lockedThroughout && !mType->isEnabled() && !send->isEnabled() &&
                           !port3->isEnabled() && w->moduleExchangeRunning();
        if (value == 2) {
            mType->trigger();
            send->click();
            port3->trigger();
        }
    });
    send->click();

    const DataImage expected =
        buildDataImage(w->editor().document(), w->vehicleSettings().options(),
                       moduleCodeOf(w->modell()), kUploadCapacity, t);
    ASSERT_EQ(expected.outcome, ImageOutcome::Ok);
    const QJsonObject dump = test::dumpedMemory(dumpPath());
    const QJsonArray bytes = dump.value(QStringLiteral("bytes")).toArray();
    ASSERT_EQ(dump.value(QStringLiteral("length")).toInt(), expected.length);
    for (int i = 1; i <= expected.length; ++i)
        EXPECT_EQ(bytes.at(i - 1).toInt(), expected.byteAt(i)) << "index " << i;

    EXPECT_TRUE(lockedThroughout);
    EXPECT_EQ(updates, expected.length);
    EXPECT_EQ(maximum, expected.length);
    EXPECT_EQ(progress->value(), 0);
    EXPECT_TRUE(mType->isEnabled() && send->isEnabled() && port3->isEnabled());
    EXPECT_FALSE(w->modulePortOpen());
    EXPECT_EQ(store.read(k::kPort), QString());  // the refused port click stored nothing
    EXPECT_EQ(w->speichergroesse(), kUploadCapacity);
    const auto percent = memoryPercent(expected.length, kUploadCapacity);
    ASSERT_TRUE(percent.has_value());
    ASSERT_EQ(prompter.prompts.size(), 1u);  // only the success report, nothing of the refusals
    EXPECT_EQ(prompter.prompts[0].text, uploadSuccessMessage(t, *percent).text);
}

TEST_F(ModuleWindowTest, AMissingPortIsReportedAndTheChoiceIsStillKept) {
    auto w = start();
    const LanguageTable& t = w->texts();
    LinkOpenStatus missing;
    missing.result = LinkOpenResult::NoSuchPort;
    const auto expected = portOpenFailureMessage(missing, 2, t);
    ASSERT_TRUE(expected.has_value());
    EXPECT_TRUE(expected->text.startsWith(t.entry(91)));
    EXPECT_EQ(expected->title, t.entry(93));

    child<QAction>(*w, "Port_2")->trigger();
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, expected->text);
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Error);
    EXPECT_EQ(store.read(k::kPort), "2");
    EXPECT_EQ(child<QLabel>(*w, "labPort")->text(), " Port: 2");
    EXPECT_TRUE(child<QAction>(*w, "Port_2")->isChecked());
    EXPECT_FALSE(child<QAction>(*w, "Port_1")->isChecked());
    prompter.prompts.clear();

    // The handshake on that port reports the same and leaves the module unidentified.
    child<QAction>(*w, "M_Type")->trigger();
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, expected->text);
    EXPECT_TRUE(w->modulTyp().isEmpty());
    EXPECT_FALSE(w->modulePortOpen());
    EXPECT_FALSE(child<QWidget>(*w, "frmVerbindung")->isVisible());

    // The menu names the device each item reaches.
    child<QMenu>(*w, "Connect")->aboutToShow();
    EXPECT_EQ(child<QAction>(*w, "Port_1")->text(), QStringLiteral("Com 1 (%1)").arg(link()));
}

TEST_F(ModuleWindowTest, UpdateAndItsHelpNameTheFileThatIsMissing) {
    auto w = start();
    child<QAction>(*w, "Update")->trigger();
    child<QAction>(*w, "Hilfe")->trigger();
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_TRUE(prompter.prompts[0].text.contains("Bootloader.exe"));
    EXPECT_TRUE(prompter.prompts[1].text.contains("Hilfe Bootloader.chm"));
    for (const auto& p : prompter.prompts) EXPECT_EQ(p.icon, PromptIcon::Warning);
}

TEST_F(ModuleWindowTest, ClosingTheWindowDuringAnUploadEndsItWithThePortClosed) {
    const auto module = startModule();
    auto w = start();
    w->show();
    w->editor().reset(oneWelcomeRow(*w));
    auto* progress = child<QProgressBar>(*w, "Send_Progress");
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
        if (value == 2) w->close();
    });
    child<QPushButton>(*w, "cmdDaten")->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->modulePortOpen());
    EXPECT_FALSE(w->moduleExchangeRunning());
    EXPECT_EQ(progress->value(), 0);
    // Only the question about the unsaved document; no report after the window has gone.
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, w->texts().entry(83));
}

}  // namespace
