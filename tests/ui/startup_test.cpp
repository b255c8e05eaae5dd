#include "app/startup.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "car/vehicle_catalogue.h"
#include "config/settings_keys.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"
#include "platform/program_folder.h"
#include "support/window_fixture.h"
#include "ui/corner_picture.h"
#include "ui/dialogs/frm_parameter.h"
#include "ui/main_window.h"

using namespace vireo;
namespace k = vireo::settings_keys;

namespace {

class StartupTest : public test::WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        store.values_.clear();  // every start-up case says what is stored
    }

    std::unique_ptr<MainWindow> start(const QString& commandLine = QString(),
                                      const QString& choice = QStringLiteral("Deutsch")) {
        languageChoice = choice;
        return startWindow(commandLine);
    }
};

TEST_F(StartupTest, FirstStartAsksForTheLanguageAndOpensWithDefaults) {
    auto w = start();
    ASSERT_TRUE(w);
    EXPECT_EQ(chooserShown, 1);
    EXPECT_EQ(offeredLanguages, QStringList({"Deutsch", "English"}));
    EXPECT_EQ(store.read(k::kLanguage), "Deutsch");
    EXPECT_TRUE(w->firstStart());
    EXPECT_EQ(w->vehicleSettings().model(), "111");
    EXPECT_EQ(child<QLabel>(*w, "labPort")->text(), " Port: 1");
    EXPECT_EQ(child<QSlider>(*w, "sliderZeitein")->value(), 1);
    EXPECT_EQ(child<QLabel>(*w, "labZeitein")->text(), "0,1" + w->texts().entry(76));
    // The splash stays for its full minimum time.
    qint64 waited = 0;
    for (int ms : clock.waits) waited += ms;
    EXPECT_GE(waited, 3000);
    EXPECT_FALSE(child<QLabel>(*w, "labX")->isVisibleTo(w.get()));
    EXPECT_FALSE(child<QAction>(*w, "Menu_7")->isVisible());

    // The first layout walks the user through the options and registers the file type, once.
    EXPECT_EQ(shownDialogs, QStringList({"frmParameter"}));
    const QStringList expected = {w->texts().entry(84), w->texts().entry(87), w->texts().entry(86)};
    EXPECT_EQ(prompter.texts(), expected);
    EXPECT_TRUE(QFile::exists(folder.filePath("xdg/applications/vireo.desktop")));
    w->resize(w->width() + 30, w->height() + 30);
    w->showMinimized();
    w->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(shownDialogs.size(), 1);
    EXPECT_EQ(prompter.count("message"), 3);

    // A stored language skips the chooser next time.
    w.reset();
    auto again = start();
    EXPECT_EQ(chooserShown, 1);
}

TEST_F(StartupTest, DeveloperModeShowsItsControlsAndShortensTheSplash) {
    store.write(k::kLanguage, QStringLiteral("Deutsch"));
    store.write(k::kDeveloper, QStringLiteral("Wahr"));
    auto w = start();
    EXPECT_TRUE(w->developerMode());
    EXPECT_TRUE(child<QLabel>(*w, "labX")->isVisibleTo(w.get()));
    EXPECT_TRUE(child<QLabel>(*w, "labY")->isVisibleTo(w.get()));
    EXPECT_TRUE(child<QPushButton>(*w, "cmdBereiche")->isVisibleTo(w.get()));
    EXPECT_TRUE(child<QAction>(*w, "Menu_7")->isVisible());
    qint64 waited = 0;
    for (int ms : clock.waits) waited += ms;
    EXPECT_GE(waited, 1000);
    EXPECT_LT(waited, 3000);
}

TEST_F(StartupTest, AMissingCommandLineFileIsReportedOnceAndTheWindowOpensEmpty) {
    store.write(k::kLanguage, QStringLiteral("Deutsch"));
    store.write(k::kVehicleType, QStringLiteral("112"));
    auto w = start(folder.filePath(QStringLiteral("nicht-da.kvs")));
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->editor().document().isEmpty());
    EXPECT_EQ(prompter.count("message"), 1);
    // The report names the file and the system's reason.
    const QString path = QDir::toNativeSeparators(folder.filePath(QStringLiteral("nicht-da.kvs")));
    EXPECT_TRUE(prompter.prompts.at(0).text.startsWith(w->texts().entry(88) + "\n\n" + path + ": "))
        << prompter.prompts.at(0).text.toStdString();
    EXPECT_GT(prompter.prompts.at(0).text.size(),
              (w->texts().entry(88) + "\n\n" + path + ": ").size());
    EXPECT_EQ(prompter.prompts.at(0).title, w->texts().entry(82));
    EXPECT_EQ(w->vehicleSettings().model(), "112");  // the stored model is applied
    w->resize(w->width() + 40, w->height() + 40);
    w->hide();
    w->show();
    QApplication::processEvents();
    EXPECT_EQ(prompter.count("message"), 1);
}

// Whatever becomes of a command-line file (missing, damaged), the start applies the stored
// vehicle exactly as a start without one: the same model, options, dialog and pictures, and an
// OK in the options dialog stores what was stored.
TEST_F(StartupTest, ABadCommandLineFileKeepsTheStoredVehicle) {
    const auto storeVehicle = [this] {
        store.values_.clear();
        store.write(k::kLanguage, QStringLiteral("Deutsch"));
        store.write(k::kVehicleType, QStringLiteral("112"));
        store.write(k::kOptions, QStringLiteral("11101110100000000000"));
    };
    const auto pressOk = [](MainWindow& w) {
        child<QPushButton>(*w.frmParameter(), "cmdOK")->click();
    };
    storeVehicle();
    auto normal = start();
    const QString options = normal->vehicleSettings().optionString();
    const QImage rearLeft = child<CornerPicture>(*normal, "imaHL")->picture();
    pressOk(*normal);
    const auto storedAfterOk = store.values_;
    ASSERT_EQ(storedAfterOk.value(k::kVehicleType), "112");
    normal.reset();

    Document saved;
    saved.sequences[0] = {Step{"1", "", {1, 2, 3, 4}}};
    const QString damaged = folder.filePath(QStringLiteral("kaputt.kvs"));
    ASSERT_TRUE(writeKvsFile(damaged, saved));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const qsizetype body = bytes.indexOf('\n') + 1;
    ASSERT_GT(body, 0);
    bytes[body + 2] = char(bytes[body + 2] ^ 0x20);  // one character changes: checksum mismatch
    file.seek(0);
    file.write(bytes);
    file.close();

    for (const QString& path : {folder.filePath(QStringLiteral("fehlt.kvs")), damaged}) {
        SCOPED_TRACE(path.toStdString());
        storeVehicle();
        prompter.prompts.clear();
        auto w = start(path);
        ASSERT_TRUE(w);
        EXPECT_EQ(prompter.count("message"), 1);
        EXPECT_TRUE(w->editor().document().isEmpty());
        EXPECT_EQ(w->vehicleSettings().model(), "112");
        EXPECT_EQ(w->vehicleSettings().optionString(), options);
        EXPECT_EQ(w->editor().document().model, "112");
        EXPECT_EQ(w->editor().document().options, options);
        EXPECT_EQ(w->session().setup(), *vehicleSetupFor(QStringLiteral("112")));
        EXPECT_EQ(child<CornerPicture>(*w, "imaHL")->picture(), rearLeft);
        EXPECT_TRUE(child<QRadioButton>(*w->frmParameter(), "optType_1")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(*w->frmParameter(), "optBauform_1")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(*w->frmParameter(), "optBaujahr_2")->isChecked());
        pressOk(*w);
        EXPECT_EQ(store.values_, storedAfterOk);
    }
}

// The window's options dialog changes the vehicle through the session: Cancel puts back what
// the dialog showed when it opened, OK stores the composed model and applies it to the pictures
// and the document.
TEST_F(StartupTest, TheOptionsDialogChangesTheVehicleThroughTheSession) {
    auto w = start();
    FrmParameter& dialog = *w->frmParameter();
    const QString options = w->vehicleSettings().optionString();
    ASSERT_EQ(w->vehicleSettings().model(), "111");
    dialog.show();
    child<QRadioButton>(dialog, "optBauform_3")->click();
    child<QCheckBox>(dialog, "chkCommingHome_Auf")->click();
    ASSERT_NE(w->vehicleSettings().optionString(), options);
    child<QPushButton>(dialog, "cmdCancel")->click();
    EXPECT_EQ(w->vehicleSettings().model(), "111");
    EXPECT_EQ(w->vehicleSettings().optionString(), options);
    EXPECT_TRUE(child<QRadioButton>(dialog, "optBauform_1")->isChecked());

    dialog.show();
    child<QRadioButton>(dialog, "optBaujahr_2")->click();
    child<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(w->vehicleSettings().model(), "112");
    EXPECT_EQ(store.read(k::kVehicleType), "112");
    EXPECT_EQ(w->editor().document().model, "112");
    const auto setup = vehicleSetupFor(QStringLiteral("112"));
    ASSERT_TRUE(setup);
    EXPECT_EQ(w->session().setup(), *setup);
}

// Stored vehicle values a file could not keep are replaced as they are read; the user is told
// once, and a save then writes a file that opens again.
TEST_F(StartupTest, InvalidStoredVehicleValuesAreReplacedAndReportedOnce) {
    store.write(k::kLanguage, QStringLiteral("Deutsch"));
    store.write(k::kVehicleType, QStringLiteral("1F2"));
    store.write(k::kOptions, QStringLiteral("1110000000000000000P"));
    auto w = start();
    ASSERT_EQ(prompter.count("message"), 1);
    EXPECT_EQ(prompter.prompts.at(0).text,
              w->texts().entry(239) +
                  "\nParameter: \"1110000000000000000P\" \u2192 "
                  "\"11100000000000000000\"\nFahrzeug_Type: \"1F2\" \u2192 \"111\"");
    EXPECT_EQ(w->vehicleSettings().model(), "111");
    EXPECT_EQ(store.read(k::kVehicleType), "111");
    EXPECT_EQ(store.read(k::kOptions), "11100000000000000000");

    QTest::mouseClick(child<QPushButton>(*w, "cmdWeiter"), Qt::LeftButton);
    const QString path = folder.filePath(QStringLiteral("neu.kvs"));
    prompter.fileAnswers.push_back(path);
    child<QAction>(*w, "Menu_4")->trigger();
    EXPECT_EQ(readKvsFile(path).verdict, KvsVerdict::Loaded);

    w.reset();
    prompter.prompts.clear();
    auto again = start();
    EXPECT_EQ(prompter.count("message"), 0);
}

// A stored body without pictures of its own starts with the pictures and click regions of its
// model year, and the title still names the chosen body.
TEST_F(StartupTest, AStoredClubmanShowsThePicturesOfItsModelYear) {
    store.write(k::kLanguage, QStringLiteral("Deutsch"));
    store.write(k::kVehicleType, QStringLiteral("111"));
    auto sedan = start();
    const QImage rearLeft = child<CornerPicture>(*sedan, "imaHL")->picture();
    const QImage frontLeft = child<CornerPicture>(*sedan, "imaVL")->picture();
    sedan.reset();

    store.values_.clear();
    store.write(k::kLanguage, QStringLiteral("Deutsch"));
    store.write(k::kVehicleType, QStringLiteral("151"));
    auto w = start();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->vehicleSettings().model(), "151");
    EXPECT_EQ(child<CornerPicture>(*w, "imaHL")->picture(), rearLeft);
    EXPECT_EQ(child<CornerPicture>(*w, "imaVL")->picture(), frontLeft);
    EXPECT_EQ(w->session().setup().base(kCornerHL), 229);
    EXPECT_EQ(w->session().setup().regions, vehicleSetupFor(QStringLiteral("111"))->regions);
    EXPECT_EQ(w->session().setup().modellnummer, 0);
    EXPECT_TRUE(w->windowTitle().contains(QStringLiteral("Clubman")))
        << w->windowTitle().toStdString();
}

TEST_F(StartupTest, ClosingStoresTheSlider) {
    store.write(k::kLanguage, QStringLiteral("Deutsch"));
    store.write(k::kVehicleType, QStringLiteral("111"));
    store.write(k::kSlider, QStringLiteral("25"));
    auto w = start();
    auto* slider = child<QSlider>(*w, "sliderZeitein");
    EXPECT_EQ(slider->value(), 25);
    EXPECT_EQ(child<QLabel>(*w, "labZeitein")->text(), "2,5" + w->texts().entry(76));
    slider->setValue(42);
    w->close();
    EXPECT_EQ(store.read(k::kSlider), "42");
}

TEST_F(StartupTest, RegLoeschenMakesTheNextStartAFirstStart) {
    store.write(k::kLanguage, QStringLiteral("Deutsch"));
    store.write(k::kDeveloper, QStringLiteral("Wahr"));
    store.write(k::kVehicleType, QStringLiteral("113"));
    store.write(k::kSlider, QStringLiteral("30"));
    auto w = start();
    EXPECT_FALSE(w->firstStart());
    child<QAction>(*w, "Menu_7")->trigger();
    w->close();
    w.reset();
    auto next = start();
    EXPECT_EQ(chooserShown, 1);
    EXPECT_TRUE(next->firstStart());
    EXPECT_EQ(child<QSlider>(*next, "sliderZeitein")->value(), 30);
}

TEST_F(StartupTest, EnglishReplacesEveryCaptionOfTheMainWindow) {
    store.write(k::kVehicleType, QStringLiteral("111"));
    auto w = start(QString(), QStringLiteral("English"));
    EXPECT_EQ(w->sprache(), "English");
    const LanguageTable& t = w->texts();
    const struct {
        const char* name;
        int entry;
    } actions[] = {{"Menu_1", 2},    {"Menu_2", 3},    {"Menu_3", 4},    {"Menu_4", 5},
                   {"Menu_5", 6},    {"Menu_8", 7},    {"Konfig", 9},    {"M_Type", 11},
                   {"About", 12},    {"Help", 14},     {"Bereich", 15},  {"List_1_1", 16},
                   {"List_1_2", 17}, {"List_1_3", 18}, {"List_1_4", 19}, {"Menu_9", 30}};
    for (const auto& a : actions) {
        const QString expected = t.entry(a.entry);
        EXPECT_FALSE(expected.isEmpty()) << a.entry;
        EXPECT_EQ(child<QAction>(*w, a.name)->text(), expected) << a.name;
    }
    const struct {
        const char* name;
        int entry;
    } menus[] = {{"Datei", 1}, {"Connect", 8}, {"Info", 10}, {"Help_Menu", 13}};
    for (const auto& m : menus)
        EXPECT_EQ(child<QMenu>(*w, m.name)->menuAction()->text(), t.entry(m.entry)) << m.name;
    const struct {
        const char* name;
        int entry;
    } buttons[] = {{"cmdSilulation", 20}, {"cmdSimWeiter", 21},  {"cmdLichtaus", 22},
                   {"cmdÄndern", 23},     {"cmdEinfügen", 24},   {"cmdLöschen", 25},
                   {"cmdSchleife", 26},   {"cmdSchleife_L", 27}, {"cmdSpeicherbedarf", 28},
                   {"cmdDaten", 29},      {"cmdExit", 30},       {"cmdWeiter", 31},
                   {"optAuf_Zu_0", 35},   {"optAuf_Zu_1", 36},   {"chkAutomatichWeiter", 56}};
    for (const auto& b : buttons) {
        EXPECT_FALSE(t.entry(b.entry).isEmpty()) << b.entry;
        EXPECT_EQ(child<QAbstractButton>(*w, b.name)->text(), t.entry(b.entry)) << b.name;
    }
    EXPECT_EQ(child<QLabel>(*w, "labInfo")->text(), t.entry(78));
    EXPECT_EQ(child<QAbstractButton>(*w, "cmdSilulation")->toolTip(), "Start from the beginning");
    EXPECT_EQ(child<QAbstractButton>(*w, "chkAutomatichWeiter")->toolTip(),
              "Append automatically with the left mouse button");
    for (int i = 1; i <= 6; ++i) {
        const QString name = QStringLiteral("Frame%1").arg(i);
        EXPECT_EQ(child<QGroupBox>(*w, name.toUtf8().constData())->title(), t.entry(61 + i));
    }
    // English differs from the built-in German captions.
    EXPECT_NE(child<QAction>(*w, "Menu_1")->text(), "Neu");
}

TEST_F(StartupTest, GermanAtStartShowsTheCaptionsOfTheGermanFile) {
    store.write(k::kVehicleType, QStringLiteral("111"));
    auto w = start();
    EXPECT_EQ(child<QAction>(*w, "Menu_1")->text(), "N&eu");
    EXPECT_EQ(child<QPushButton>(*w, "cmdWeiter")->text(), "        Speichern und &weiter");
    EXPECT_EQ(prompter.answerCaptions.yes, "&Ja");  // the boxes answer in German too
    EXPECT_EQ(prompter.answerCaptions.no, "&Nein");
    // The language menu lists both files, the current one ticked.
    EXPECT_EQ(child<QAction>(*w, "Auswahl_1")->text(), "&Deutsch");
    EXPECT_TRUE(child<QAction>(*w, "Auswahl_1")->isChecked());
    EXPECT_EQ(child<QAction>(*w, "Auswahl_2")->text(), "&English");
    // Switching the language from the menu stores it and replaces the captions.
    child<QAction>(*w, "Auswahl_2")->trigger();
    EXPECT_EQ(store.read(k::kLanguage), "English");
    EXPECT_TRUE(child<QAction>(*w, "Auswahl_2")->isChecked());
    EXPECT_FALSE(child<QAction>(*w, "Auswahl_1")->isChecked());
    EXPECT_EQ(child<QAction>(*w, "Menu_1")->text(), w->texts().entry(2));
    EXPECT_EQ(prompter.answerCaptions.yes, "&Yes");
    EXPECT_EQ(prompter.answerCaptions.cancel, "&Cancel");
}

// A German file changed beside the program shows at a German start: its captions are not
// skipped for built-in ones. Without the file, the German file built in shows the same.
TEST_F(StartupTest, GermanCaptionsComeFromTheFileBesideTheProgramOrTheOneBuiltIn) {
    store.write(k::kVehicleType, QStringLiteral("111"));
    const QString german = folder.filePath(QStringLiteral("Deutsch.kvl"));
    QFile file(german);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    bytes.replace("0002N&eu\r\n", "0002&Neu anlegen\r\n");
    ASSERT_TRUE(QFile::remove(german));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    {
        auto w = start();
        EXPECT_EQ(child<QAction>(*w, "Menu_1")->text(), "&Neu anlegen");
        EXPECT_EQ(prompter.count("message"), 0);
    }
    ASSERT_TRUE(QFile::remove(german));
    auto w = start();
    EXPECT_EQ(prompter.count("message"), 1);  // the missing file is named once
    EXPECT_EQ(child<QAction>(*w, "Menu_1")->text(), LanguageTable::builtIn().entry(2));
    EXPECT_EQ(child<QPushButton>(*w, "cmdÄndern")->text(), "&Ändern");
    EXPECT_EQ(child<QGroupBox>(*w, "Frame1")->title(), " Simulation ");
}

TEST_F(StartupTest, AMissingLanguageFileFallsBackToGermanAndSaysSoOnce) {
    store.write(k::kLanguage, QStringLiteral("Klingonisch"));
    store.write(k::kVehicleType, QStringLiteral("111"));
    auto w = start();
    ASSERT_TRUE(w);
    EXPECT_EQ(prompter.count("message"), 1);
    EXPECT_TRUE(prompter.prompts.at(0).text.contains("Klingonisch.kvl"));
    EXPECT_EQ(w->texts().entry(82), LanguageTable::builtIn().entry(82));
    EXPECT_FALSE(w->texts().entry(76).isEmpty());
}

}  // namespace
