#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "config/settings_keys.h"
#include "platform/settings_store.h"
#include "sequence/edit_outcome.h"
#include "tests/support/numbered_language.h"
#include "text/language.h"
#include "ui/dialogs/frm_parameter.h"

using namespace vireo;

namespace {

// The dialog with its clicks handed to the settings, as the window hands them to the session.
struct ParameterDialog : ::testing::Test {
    MemorySettingsStore store;
    VehicleSettings vehicle{store};
    FrmParameter dialog{vehicle};
    QStringList accepted;  // the model codes OK applied

    ParameterDialog() {
        QObject::connect(&dialog, &FrmParameter::boxTicked, &vehicle, &VehicleSettings::setTick);
        QObject::connect(&dialog, &FrmParameter::typeClicked, &vehicle,
                         &VehicleSettings::clickType);
        QObject::connect(&dialog, &FrmParameter::bodyClicked, &vehicle,
                         &VehicleSettings::clickBody);
        QObject::connect(&dialog, &FrmParameter::yearClicked, &vehicle,
                         &VehicleSettings::clickYear);
        QObject::connect(&dialog, &FrmParameter::holdChosen, &vehicle,
                         &VehicleSettings::chooseHold);
        QObject::connect(&dialog, &FrmParameter::cancelled, &vehicle, &VehicleSettings::revert);
        QObject::connect(&dialog, &FrmParameter::confirmed, &vehicle,
                         [this] { accepted << vehicle.accept(); });
    }

    template <typename T>
    T* child(const char* name) {
        T* widget = dialog.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

}  // namespace

TEST_F(ParameterDialog, ClickingABoxRunsItsRuleAndUpdatesTheOptionString) {
    vehicle.restore(QStringLiteral("111"), QStringLiteral("11100010000000000000"));
    ASSERT_TRUE(child<QCheckBox>("chkTagfahrlicht_Standlicht")->isChecked());

    dialog.show();
    QTest::mouseClick(child<QCheckBox>("chkTagfahrlicht"), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(child<QCheckBox>("chkTagfahrlicht")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkTagfahrlicht_Standlicht")->isChecked());
    EXPECT_EQ(vehicle.optionString(), QStringLiteral("11101000000000000000"));

    // A program change goes the same way: unticking the welcome hold disables its list.
    vehicle.setTick(OptionBoxId::ComingHomeAuf, true);
    EXPECT_TRUE(child<QComboBox>("combBegrüßung")->isEnabled());
    child<QCheckBox>("chkCommingHome_Auf")->click();
    EXPECT_FALSE(child<QComboBox>("combBegrüßung")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>("chkSoft_Ein")->isEnabled());
    EXPECT_EQ(vehicle.optionString().at(7), QLatin1Char('0'));
}

TEST_F(ParameterDialog, HoldListsStoreAtOnceAndShowThirtySecondsFirst) {
    auto* welcome = child<QComboBox>("combBegrüßung");
    auto* goodbye = child<QComboBox>("combVerabschiedung");
    EXPECT_EQ(welcome->count(), 12);
    EXPECT_EQ(welcome->itemText(11), QStringLiteral("120 Sek."));
    EXPECT_EQ(welcome->currentText(), QStringLiteral("30 Sek."));
    EXPECT_EQ(goodbye->currentText(), QStringLiteral("30 Sek."));

    vehicle.setHoldTimes(5, 40);  // from the settings: nothing written, 40 is refused
    EXPECT_TRUE(store.values_.isEmpty());
    EXPECT_EQ(welcome->currentIndex(), 5);
    EXPECT_EQ(goodbye->currentIndex(), 2);

    welcome->setCurrentIndex(0);
    goodbye->setCurrentIndex(11);
    EXPECT_EQ(store.read(QStringLiteral("Time_Kommen")), QStringLiteral("0"));
    EXPECT_EQ(store.read(QStringLiteral("Time_Gehen")), QStringLiteral("11"));
    EXPECT_EQ(vehicle.options().goodbyeHold, 11);
}

TEST_F(ParameterDialog, OkStoresModelAndOptionsThenCallsBackAndHides) {
    vehicle.restore(QStringLiteral("11"), QStringLiteral("11100000000000000000"));
    dialog.show();
    child<QRadioButton>("optBauform_3")->click();
    child<QPushButton>("cmdOK")->click();
    EXPECT_EQ(accepted, QStringList{QStringLiteral("13")});  // no year chosen: two digits
    EXPECT_EQ(store.read(QStringLiteral("Fahrzeug_Type")), QStringLiteral("13"));
    EXPECT_EQ(store.read(QStringLiteral("Parameter")), QStringLiteral("11100000000000000000"));
    EXPECT_FALSE(dialog.isVisible());

    child<QRadioButton>("optBaujahr_2")->click();
    EXPECT_EQ(dialog.yearChoices()[1].caption, QStringLiteral("mit Facelift"));
    EXPECT_TRUE(dialog.yearChoices()[1].selected);
    child<QPushButton>("cmdOK")->click();
    EXPECT_EQ(vehicle.model(), QStringLiteral("132"));
}

TEST_F(ParameterDialog, ModuleTypeRestrictsTheBoxes) {
    vehicle.restore(QStringLiteral("111"), QStringLiteral("11111111111111111111"));
    vehicle.setModuleType(QStringLiteral("5.0"));
    for (const char* name :
         {"chkTagfahrlicht", "chkStandlicht_US", "chkTagfahrlicht_Standlicht", "chkCommingHome_Auf",
          "chkCommingHome_Zu", "chkSpiegel_Kurz", "chkSpiegel_Lang", "chkSoft_Ein"}) {
        EXPECT_FALSE(child<QCheckBox>(name)->isEnabled()) << name;
        EXPECT_FALSE(child<QCheckBox>(name)->isChecked()) << name;
    }
    EXPECT_TRUE(child<QCheckBox>("chk_Abbiegelicht")->isChecked());
    EXPECT_FALSE(child<QComboBox>("combVerabschiedung")->isEnabled());
    EXPECT_EQ(vehicle.optionString(), QStringLiteral("11100000000101111111"));
}

TEST_F(ParameterDialog, CaptionsComeFromTheLanguageTable) {
    dialog.applyCaptions(test::numberedLanguage());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("E75"));
    EXPECT_EQ(child<QCheckBox>("chkTagfahrlicht")->toolTip(), QStringLiteral("E203"));
    // Every control carries an Alt letter of its own, the first one free.
    EXPECT_EQ(child<QRadioButton>("optBaujahr_3")->text(), QStringLiteral("E&207"));
    EXPECT_EQ(child<QLabel>("labParameter_4")->text(), QStringLiteral("E72"));
    EXPECT_EQ(withoutAccessLetter(child<QCheckBox>("chkSpiegel_Lang")->text()),
              QStringLiteral("E177, E156"));
    EXPECT_EQ(dialog.bodyChoices()[4].caption, QStringLiteral("E48"));
}

// The hold-time lists name their unit in the language; the chosen position stays.
TEST_F(ParameterDialog, HoldTimesSpeakTheLanguage) {
    auto* welcome = child<QComboBox>("combBegrüßung");
    welcome->setCurrentIndex(4);
    LanguageTable english;
    ASSERT_EQ(english.load(QStringLiteral(VIREO_LANG_DIR), QStringLiteral("English")),
              LanguageTable::Status::Ok);
    dialog.applyCaptions(english);
    EXPECT_EQ(welcome->itemText(0), QStringLiteral("10 sec."));
    EXPECT_EQ(child<QComboBox>("combVerabschiedung")->itemText(11), QStringLiteral("120 sec."));
    EXPECT_EQ(welcome->currentIndex(), 4);
    dialog.applyCaptions(LanguageTable::builtIn());
    EXPECT_EQ(welcome->currentText(), QStringLiteral("50 Sek."));
}

// Escape (and Cancel) put back what the dialog showed when it opened: the ticks, the choices
// and the hold times, in the settings and in the store. OK still keeps what was chosen.
TEST_F(ParameterDialog, EscapeRestoresTheSettingsOfWhenTheDialogOpened) {
    vehicle.restore(QStringLiteral("111"), QStringLiteral("11100000000000000000"));
    const VehicleSettings::Snapshot before = vehicle.snapshot();
    dialog.show();
    child<QCheckBox>("chkCommingHome_Auf")->click();
    child<QComboBox>("combBegrüßung")->setCurrentIndex(5);
    child<QRadioButton>("optBauform_5")->click();
    ASSERT_EQ(vehicle.optionString().at(7), QLatin1Char('1'));
    ASSERT_EQ(store.read(settings_keys::kWelcomeHold), QStringLiteral("5"));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(vehicle.optionString(), QStringLiteral("11100000000000000000"));
    EXPECT_EQ(vehicle.model(), QStringLiteral("111"));
    EXPECT_EQ(vehicle.options().body, before.options.body);
    EXPECT_EQ(vehicle.options().welcomeHold, 2);
    EXPECT_EQ(store.read(settings_keys::kWelcomeHold), QStringLiteral("2"));
    EXPECT_FALSE(child<QCheckBox>("chkCommingHome_Auf")->isChecked());
    EXPECT_EQ(child<QComboBox>("combBegrüßung")->currentIndex(), 2);
    EXPECT_TRUE(store.read(settings_keys::kOptions).isEmpty());

    dialog.show();
    child<QCheckBox>("chkCommingHome_Auf")->click();
    child<QPushButton>("cmdCancel")->click();
    EXPECT_EQ(vehicle.optionString(), QStringLiteral("11100000000000000000"));

    dialog.show();
    child<QCheckBox>("chkCommingHome_Auf")->click();
    child<QPushButton>("cmdOK")->click();
    EXPECT_EQ(store.read(settings_keys::kOptions), QStringLiteral("11100001000000000000"));
}
