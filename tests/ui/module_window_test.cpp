// The main window's module commands against the virtual module on a pseudo-terminal. These
// tests take real time: the line waits are real, and the window's clock follows real time so
// that a silent module times out as it would in the program.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTreeWidget>

#include "app/startup.h"
#include "config/settings_keys.h"
#include "files/kvs_reader.h"
#include "platform/program_folder.h"
#include "support/processes.h"
#include "support/window_fixture.h"
#include "ui/corner_picture.h"
#include "ui/dialogs/frm_parameter.h"
#include "ui/main_window.h"
#include "ui/memory_meter_widget.h"

using namespace vireo;
namespace k = vireo::settings_keys;

namespace {

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) b.append(static_cast<char>(v));
    return b;
}

class ModuleWindowTest : public test::WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        // Port 1 reaches the virtual module's link, port 2 a device that does not exist.
        qputenv("VIREO_COM1", link().toLocal8Bit());
        qputenv("VIREO_COM2", folder.filePath(QStringLiteral("none")).toLocal8Bit());
        clock.followRealTime();
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
        d.model = w.vehicleSettings().model();
        d.options = w.vehicleSettings().optionString();
        d.sequences[kWelcome] = {Step{"1,5", QString(), {0, 5, 0, 0}},
                                 Step{"0,5", QString(), {12, 0, 0, 7}}};
        return d;
    }

    // The bytes 1.. the module stored, as the dump after the end frame shows them.
    QByteArray storedImage() const {
        const QJsonObject dump = test::dumpedMemory(dumpPath());
        QByteArray image;
        for (const QJsonValue& b : dump.value(QStringLiteral("bytes")).toArray())
            image.append(static_cast<char>(b.toInt()));
        return image;
    }

    // The exchange with the module runs on its own thread: waits until it has ended and the
    // window has shown what it reported.
    static void waitForExchangeEnd(const MainWindow& w) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.module().exchangeRunning(); }, 20000));
    }

    // Clicks "Daten senden" and gives the highest value the progress bar showed meanwhile: the
    // last data byte that went out.
    int sendWatchingProgress(MainWindow& w) {
        int highest = 0;
        const QMetaObject::Connection watch =
            QObject::connect(child<QProgressBar>(w, "Send_Progress"), &QProgressBar::valueChanged,
                             [&](int value) { highest = std::max(highest, value); });
        child<QPushButton>(w, "cmdDaten")->click();
        waitForExchangeEnd(w);
        QObject::disconnect(watch);
        return highest;
    }

    // Every upload ends with the progress bar at 0, the port closed and the commands free.
    void expectUploadEnded(MainWindow& w) {
        EXPECT_EQ(child<QProgressBar>(w, "Send_Progress")->value(), 0);
        EXPECT_FALSE(w.module().portOpen());
        EXPECT_FALSE(w.module().exchangeRunning());
        EXPECT_TRUE(child<QPushButton>(w, "cmdDaten")->isEnabled());
        EXPECT_FALSE(child<QWidget>(w, "frmVerbindung")->isVisible());
    }
};

TEST_F(ModuleWindowTest, ReadingTheModuleTypeConnectsAndReportsTheEdition) {
    const auto module = startModule();
    auto w = start();
    const LanguageTable& t = w->texts();
    w->session().resetDocument(oneWelcomeRow(*w));

    // Before any identification the check measures against the 510 bytes an upload may use:
    // 16 of 510 bytes, 3,1 % shows as 3 %.
    child<QPushButton>(*w, "cmdSpeicherbedarf")->click();
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, t.entry(106) + " 3 %");
    prompter.prompts.clear();

    child<QAction>(*w, "M_Type")->trigger();
    waitForExchangeEnd(*w);
    EXPECT_EQ(w->module().moduleType(), "5.1");
    EXPECT_EQ(w->module().moduleVersion(), "2.5");
    EXPECT_EQ(child<QLabel>(*w, "labInfo")->text(), "Kelvor Vireo Ver. 2.5 / Typ 5.1");
    EXPECT_EQ(w->vehicleSettings().moduleType(), "5.1");
    EXPECT_EQ(w->module().memorySize(), 1010);
    EXPECT_FALSE(w->module().portOpen());
    EXPECT_FALSE(child<QWidget>(*w, "frmVerbindung")->isVisible());

    // The edition report of a Merix module: the functions of every edition, those of Merix,
    // the edition name and the firmware.
    QString report = t.entry(112) + "\n\n";
    for (int n : {186, 187, 190, 193, 209, 194, 195, 188, 189}) report += t.entry(n) + "\n";
    report += "\n";
    for (int n : {61, 198, 197, 200, 201}) report += "  - " + t.entry(n) + "\n";
    report += "\n" + t.entry(113) + " Vireo - Merix\n";
    report += t.entry(127) + "2.5  / Typ 5.1\n";
    report += t.entry(288).arg(1010) + "\n\n";  // the module's own memory
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, report);
    EXPECT_EQ(prompter.prompts[0].title, t.entry(114));
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Information);
    prompter.prompts.clear();

    // The report names the module's own memory, but every "does it fit" figure stays with the
    // 510 bytes the next upload will use: still 3 %, and the meter counts 16 of 510 bytes.
    child<QPushButton>(*w, "cmdSpeicherbedarf")->click();
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, t.entry(106) + " 3 %");
    EXPECT_EQ(prompter.prompts[0].title, "www.kelvor.example");
    const MeterReading& meter = w->findChild<MemoryMeterWidget*>()->reading();
    EXPECT_EQ(meter.used, 16);
    EXPECT_EQ(meter.capacity, 510);
}

TEST_F(ModuleWindowTest, SendingWritesTheDocumentsImageIntoTheModule) {
    const auto module = startModule();
    auto w = start();
    const LanguageTable& t = w->texts();
    w->session().resetDocument(oneWelcomeRow(*w));
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
                           !port3->isEnabled() && w->module().exchangeRunning();
        if (value == 2) {
            mType->trigger();
            send->click();
            port3->trigger();
        }
    });
    send->click();
    waitForExchangeEnd(*w);

    // Model 111 (module code 30), "Abbiegelicht" ticked; the rows 1,5 s with corner 2 = 5 and
    // 0,5 s with corners 1 and 4.
    const QByteArray expected =
        bytesOf({0, 16, 0, 17, 30, 1, 0, 0, 0, 0xC4, 15, 5, 0xD2, 5, 12, 7});
    EXPECT_EQ(storedImage().toHex(' '), expected.toHex(' '));
    const int length = 16;

    EXPECT_TRUE(lockedThroughout);
    EXPECT_EQ(updates, length);
    EXPECT_EQ(maximum, length);
    EXPECT_EQ(progress->value(), 0);
    EXPECT_TRUE(mType->isEnabled() && send->isEnabled() && port3->isEnabled());
    EXPECT_FALSE(w->module().portOpen());
    EXPECT_EQ(store.read(k::kPort), QString());  // the refused port click stored nothing
    EXPECT_EQ(w->module().memorySize(), 510);
    ASSERT_EQ(prompter.prompts.size(), 1u);  // only the success report, nothing of the refusals
    // 16 of 510 bytes: 3,1 % shows as 3 %.
    EXPECT_EQ(prompter.prompts[0].text, t.entry(110) + "\n\n" + t.entry(106) + " 3 %");
    EXPECT_EQ(prompter.prompts[0].title, "www.kelvor.example");
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Information);
}

// The edition the module reports restricts the options before the image is built: a Tovan
// module (type 5.0) has neither "Standlicht US" (bit value 4 of byte 6) nor "Tagfahrlicht über
// Standlicht" (8); a Merix module (5.1) has both, and "Tagfahrlicht US" (2) instead of the latter.
TEST_F(ModuleWindowTest, TheModulesEditionDecidesTheOptionBitsSent) {
    const struct {
        const char* type;
        std::vector<const char*> ticked;
        int byte6;
    } cases[] = {
        {"5.1", {"chkStandlicht_US", "chkTagfahrlicht_Standlicht"}, 1 | 4 | 8},
        {"5.1", {"chkTagfahrlicht"}, 1 | 2},
        {"5.0", {"chkStandlicht_US", "chkTagfahrlicht_Standlicht"}, 1},
    };
    for (const auto& c : cases) {
        QFile::remove(dumpPath());
        const auto module = startModule({QStringLiteral("--type"), QString::fromLatin1(c.type)});
        auto w = start();
        w->session().resetDocument(oneWelcomeRow(*w));
        for (const char* box : c.ticked) {
            auto* check = child<QCheckBox>(*w->frmParameter(), box);
            ASSERT_TRUE(check && check->isEnabled()) << box;
            check->click();
            ASSERT_TRUE(check->isChecked()) << box;
        }
        child<QPushButton>(*w, "cmdDaten")->click();
        waitForExchangeEnd(*w);
        const QByteArray image = storedImage();
        ASSERT_EQ(image.size(), 16) << c.type;
        EXPECT_EQ(static_cast<unsigned char>(image.at(5)), c.byte6) << c.type;
        EXPECT_EQ(w->module().moduleType(), QString::fromLatin1(c.type));
    }
}

TEST_F(ModuleWindowTest, AModuleThatFallsSilentEndsTheUploadWithTheNoReplyMessage) {
    // The module answers the identification and the first two data frames, then nothing.
    const auto module = startModule({QStringLiteral("--silent-after"), QStringLiteral("3")});
    auto w = start();
    const LanguageTable& t = w->texts();
    w->session().resetDocument(oneWelcomeRow(*w));
    const int highest = sendWatchingProgress(*w);

    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, t.entry(111));
    EXPECT_EQ(prompter.prompts[0].title, t.entry(109));
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Warning);
    EXPECT_EQ(highest, 3);  // the third byte was the one left unconfirmed
    expectUploadEnded(*w);
}

TEST_F(ModuleWindowTest, AWrongEchoEndsTheUploadWithTheEchoMessage) {
    // Every echo of address 2 comes back with its data byte inverted.
    const auto module = startModule({QStringLiteral("--corrupt-first"), QStringLiteral("100"),
                                     QStringLiteral("--corrupt-address"), QStringLiteral("2")});
    auto w = start();
    const LanguageTable& t = w->texts();
    w->session().resetDocument(oneWelcomeRow(*w));
    const int highest = sendWatchingProgress(*w);

    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, t.entry(108) + "\n");
    EXPECT_EQ(prompter.prompts[0].title, t.entry(109));
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Warning);
    EXPECT_EQ(highest, 2);
    // The module stored the first two bytes; the third was never sent.
    EXPECT_EQ(storedImage().size(), 2);
    expectUploadEnded(*w);
}

TEST_F(ModuleWindowTest, AnImageBeyondTheModulesMemoryIsNotSent) {
    const auto module = startModule();
    auto w = start();
    const LanguageTable& t = w->texts();
    // 100 rows of six bytes each: 600 bytes, more than the 510 an upload may use.
    Document d = oneWelcomeRow(*w);
    d.sequences[kWelcome].clear();
    for (int r = 0; r < 100; ++r)
        d.sequences[kWelcome].append(Step{r % 2 ? "1" : "2", QString(), {1, 2, 3, 4}});
    w->session().resetDocument(d);
    const int highest = sendWatchingProgress(*w);

    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, t.entry(104) + "\n\n" + t.entry(105));
    EXPECT_EQ(prompter.prompts[0].title, "www.kelvor.example");
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Warning);
    EXPECT_EQ(highest, 0);  // not one data byte went out
    expectUploadEnded(*w);
    EXPECT_EQ(w->module().memorySize(), 510);
}

// The goodbye sequence ("Schliessen") from the first click to the module: its rows are built,
// changed, looped and played in its own table, and the file and the image carry them after the
// welcome row, in order.
TEST_F(ModuleWindowTest, TheGoodbyeSequenceFromClicksToFileAndModule) {
    const auto module = startModule();
    auto w = start();
    auto* slider = child<QSlider>(*w, "sliderZeitein");
    auto* frontRight = child<CornerPicture>(*w, "imaVR");
    auto* frontLeft = child<CornerPicture>(*w, "imaVL");
    // Lamps by mouse, as the user switches them: corner 1 bit 0 and corner 2 bit 0.
    const auto lamps = [&](bool right, bool left) {
        if (right) QTest::mouseClick(frontRight, Qt::LeftButton, {}, QPoint(935 / 15, 2000 / 15));
        if (left) QTest::mouseClick(frontLeft, Qt::LeftButton, {}, QPoint(2000 / 15, 2000 / 15));
    };
    const auto appendRow = [&](int tenths, bool right, bool left) {
        slider->setValue(tenths);
        lamps(right, left);
        QTest::mouseClick(child<QPushButton>(*w, "cmdWeiter"), Qt::LeftButton);
    };

    appendRow(10, true, false);  // one welcome row
    child<QRadioButton>(*w, "optAuf_Zu_1")->click();
    appendRow(1, false, true);
    appendRow(1, true, false);
    appendRow(1, true, false);

    // "Ändern" on the second goodbye row alone: new time and the lamps now shown.
    auto* goodbyeList = child<QTreeWidget>(*w, "List1_1");
    ASSERT_EQ(w->editor().sequence(kGoodbye).size(), 3);
    ASSERT_EQ(goodbyeList->topLevelItemCount(), 3);
    const auto select = [&](std::initializer_list<int> rows, int current) {
        goodbyeList->clearSelection();
        goodbyeList->setCurrentItem(goodbyeList->topLevelItem(current), 0,
                                    QItemSelectionModel::NoUpdate);
        for (int r : rows) goodbyeList->topLevelItem(r)->setSelected(true);
    };
    select({1}, 1);
    slider->setValue(2);
    lamps(true, true);
    QTest::mouseClick(child<QPushButton>(*w, "cmdÄndern"), Qt::LeftButton);
    // A loop over the last two rows, three times.
    select({1, 2}, 1);
    prompter.inputAnswers = {QStringLiteral("3")};
    QTest::mouseClick(child<QPushButton>(*w, "cmdSchleife"), Qt::LeftButton);

    const QString loop = QStringLiteral("S  1 / 3 x");
    const Sequence welcome = {{"1", QString(), {1, 0, 0, 0}}};
    const Sequence goodbye = {
        {"0,1", QString(), {0, 1, 0, 0}}, {"0,2", loop, {1, 1, 0, 0}}, {"0,1", loop, {1, 0, 0, 0}}};
    EXPECT_EQ(w->editor().sequence(kWelcome), welcome);
    EXPECT_EQ(w->editor().sequence(kGoodbye), goodbye);
    EXPECT_EQ(child<QTreeWidget>(*w, "List1_0")->topLevelItemCount(), 1);
    ASSERT_EQ(goodbyeList->topLevelItemCount(), 3);
    EXPECT_EQ(goodbyeList->topLevelItem(1)->text(1), loop);

    // Playback walks the goodbye rows, the loop three times, and ends dark. What each step
    // shows is read after the window has handled it.
    QTest::mouseClick(child<QPushButton>(*w, "cmdSilulation"), Qt::LeftButton);
    QList<LampBytes> shown = {w->session().lamps()};  // the first row comes before the first step
    while (w->session().playbackRunning() && clock.tickNext()) shown << w->session().lamps();
    ASSERT_FALSE(w->session().playbackRunning());
    const LampBytes r1{0, 1, 0, 0}, r2{1, 1, 0, 0}, r3{1, 0, 0, 0}, dark{};
    EXPECT_EQ(shown, QList<LampBytes>({r1, r2, r3, r2, r3, r2, r3, dark}));

    // "Speichern unter": the file holds both tables as they are.
    const QString path = folder.filePath(QStringLiteral("Abschied.kvs"));
    prompter.fileAnswers = {path};
    child<QAction>(*w, "Menu_4")->trigger();
    const KvsReadResult file = readKvsFile(path);
    ASSERT_EQ(file.verdict, KvsVerdict::Loaded);
    EXPECT_EQ(file.document.sequences[kWelcome], welcome);
    EXPECT_EQ(file.document.sequences[kGoodbye], goodbye);

    // "Daten senden": the goodbye section follows the welcome section; its second row starts
    // the loop (bit 5) with repeat 2 and length 1.
    prompter.prompts.clear();
    QTest::mouseClick(child<QPushButton>(*w, "cmdDaten"), Qt::LeftButton);
    waitForExchangeEnd(*w);
    EXPECT_EQ(storedImage().toHex(' '),
              bytesOf({0,    12, 0, 24,   30, 1, 0, 0, 0,               // header
                       0xC2, 10, 1,                                     // welcome
                       0xC4, 1,  1, 0xE6, 2,  1, 1, 2, 1, 0xC2, 1, 1})  // goodbye
                  .toHex(' '));
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Information);
}

TEST_F(ModuleWindowTest, AMissingPortIsReportedAndTheChoiceIsStillKept) {
    auto w = start();
    const LanguageTable& t = w->texts();
    // "Der Port 2 existiert nicht ..."
    const QString missing = t.entry(91) + "2" + t.entry(92);

    child<QAction>(*w, "Port_2")->trigger();
    waitForExchangeEnd(*w);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, missing);
    EXPECT_EQ(prompter.prompts[0].title, t.entry(93));
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Error);
    EXPECT_EQ(store.read(k::kPort), "2");
    EXPECT_EQ(child<QLabel>(*w, "labPort")->text(), " Port: 2");
    EXPECT_TRUE(child<QAction>(*w, "Port_2")->isChecked());
    EXPECT_FALSE(child<QAction>(*w, "Port_1")->isChecked());
    prompter.prompts.clear();

    // The handshake on that port reports the same and leaves the module unidentified.
    child<QAction>(*w, "M_Type")->trigger();
    waitForExchangeEnd(*w);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, missing);
    EXPECT_TRUE(w->module().moduleType().isEmpty());
    EXPECT_FALSE(w->module().portOpen());
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
    w->session().resetDocument(oneWelcomeRow(*w));
    auto* progress = child<QProgressBar>(*w, "Send_Progress");
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
        if (value == 2) w->close();
    });
    child<QPushButton>(*w, "cmdDaten")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 20000));
    EXPECT_FALSE(w->module().portOpen());
    EXPECT_FALSE(w->module().exchangeRunning());
    EXPECT_EQ(progress->value(), 0);
    // Only the question about the unsaved document; no report after the window has gone.
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, w->texts().entry(83));
}

// A close during an upload waits for it: the status line says so, the rest of the image and
// the end frame go out (the module writes its memory out only after the end frame), then the
// window closes.
TEST_F(ModuleWindowTest, ClosingDuringAnUploadLetsItFinishFirst) {
    const auto module = startModule();
    auto w = start();
    w->show();
    w->session().resetDocument(oneWelcomeRow(*w));
    bool openAfterClose = false;
    QString statusAfterClose;
    QObject::connect(child<QProgressBar>(*w, "Send_Progress"), &QProgressBar::valueChanged,
                     [&](int value) {
                         if (value != 2) return;
                         w->close();
                         openAfterClose = w->isVisible();
                         statusAfterClose = child<QLabel>(*w, "labInfo")->text();
                     });
    child<QPushButton>(*w, "cmdDaten")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 20000));

    EXPECT_TRUE(openAfterClose);
    EXPECT_EQ(statusAfterClose,
              "Die Übertragung zum Modul wird beendet, dann schliesst das Programm.");
    EXPECT_EQ(storedImage().toHex(' '),
              bytesOf({0, 16, 0, 17, 30, 1, 0, 0, 0, 0xC4, 15, 5, 0xD2, 5, 12, 7}).toHex(' '));
}

}  // namespace
