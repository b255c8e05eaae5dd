#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "app/language_chooser.h"
#include "app/splash_window.h"
#include "config/startup_settings.h"
#include "platform/settings_store.h"
#include "tests/support/fakes.h"
#include "tests/support/numbered_language.h"
#include "text/language.h"
#include "ui/dialogs/compact_dialog.h"
#include "ui/dialogs/frm_eigenschaften.h"
#include "ui/dialogs/frm_info.h"

using namespace vireo;

namespace {

// A fake clock that runs a hook on every wait, so a test can act in the middle of a wait.
class HookedClock : public test::FakeClock {
  public:
    void wait(int ms) override {
        FakeClock::wait(ms);
        if (onWait) onWait(static_cast<int>(waits.size()), ms);
    }
    std::function<void(int count, int ms)> onWait;
};

}  // namespace

TEST(PropertiesDialog, WritesItsSettingsOnEveryClickAndRegistersOnRequest) {
    MemorySettingsStore store;
    int registrations = 0;
    FrmEigenschaften dialog(store, [&] { ++registrations; });
    dialog.showSettings(loadStartupSettings(store));  // empty: "Autom." clear, area ticked
    EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("chkAuto"))->isChecked());
    EXPECT_TRUE(dialog.activationArea());
    EXPECT_TRUE(store.values_.isEmpty());

    dialog.show();
    auto* aktivierung = dialog.findChild<QCheckBox*>(QStringLiteral("chkAktivierung"));
    auto* autom = dialog.findChild<QCheckBox*>(QStringLiteral("chkAuto"));
    QTest::mouseClick(aktivierung, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(store.read(QStringLiteral("Aktivierung")), QStringLiteral("0"));
    QTest::mouseClick(aktivierung, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(store.read(QStringLiteral("Aktivierung")), QStringLiteral("1"));
    autom->click();
    EXPECT_EQ(store.read(QStringLiteral("Eigenschaften")), QStringLiteral("1"));

    dialog.findChild<QPushButton*>(QStringLiteral("cmdRegistry"))->click();
    EXPECT_EQ(registrations, 1);
    dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(autom->isChecked());  // hidden, not reset
}

TEST(PropertiesDialog, LoadsStoredValuesAndKeepsDefaultsForOddOnes) {
    MemorySettingsStore store;
    store.values_ = {{QStringLiteral("Eigenschaften"), QStringLiteral("1")},
                     {QStringLiteral("Aktivierung"), QStringLiteral("7")}};
    FrmEigenschaften dialog(store, {});
    dialog.showSettings(loadStartupSettings(store));
    EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("chkAuto"))->isChecked());
    EXPECT_TRUE(dialog.activationArea());
    dialog.applyCaptions(test::numberedLanguage());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("E6"));
    EXPECT_EQ(dialog.findChild<QCheckBox*>(QStringLiteral("chkAuto"))->text(),
              QStringLiteral("&E57"));
}

TEST(AboutBox, ShowsVersionMakerAndStartsTheTimer) {
    FrmInfo german(LanguageTable::builtIn(), {});
    EXPECT_EQ(german.findChild<QLabel*>(QStringLiteral("labSW_Version"))->text(),
              QStringLiteral("Software Version 3.0.0"));
    EXPECT_EQ(german.findChild<QLabel*>(QStringLiteral("labSoftware"))->text(),
              QStringLiteral("Software entwickelt von Firma Kelvor"));
    FrmInfo english(test::numberedLanguage(), {});
    EXPECT_EQ(english.findChild<QLabel*>(QStringLiteral("labSoftware"))->text(),
              QStringLiteral("E74 Kelvor"));

    german.show();
    auto* timer = german.findChild<QTimer*>(QStringLiteral("Timer1"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 500);
    EXPECT_FALSE(german.findChild<QLabel*>(QStringLiteral("Picture1"))->isVisible());
}

// The first windows a user sees take their texts from the language table too: the chooser from
// the built-in one (no language is chosen yet), the splash from the chosen language.
TEST(StartWindows, TakeTheirTextsFromTheLanguage) {
    LanguageChooser chooser({QStringLiteral("Deutsch"), QStringLiteral("English")});
    EXPECT_EQ(chooser.findChild<QLabel*>()->text(), QStringLiteral("Please select your Language"));
    EXPECT_EQ(chooser.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(),
              QStringLiteral("&OK"));
    EXPECT_EQ(chooser.language(), QStringLiteral("Deutsch"));

    LanguageTable english;
    ASSERT_EQ(english.load(QStringLiteral(VIREO_LANG_DIR), QStringLiteral("English")),
              LanguageTable::Status::Ok);
    const struct {
        const LanguageTable& texts;
        const char* info;
    } cases[] = {{LanguageTable::builtIn(), "Programm und Einstellungen werden geladen ....."},
                 {english, "Loading program and settings ....."}};
    for (const auto& c : cases) {
        SplashWindow splash(c.texts);
        EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("labInfo"))->text(),
                  QString::fromUtf8(c.info));
        EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                  QStringLiteral("Version 3.0.0"));
    }
}

TEST(AboutBox, AnimationProjectsThePictureThenClearsTheBeams) {
    HookedClock clock;
    FrmInfo box(LanguageTable::builtIn(), {}, clock);
    box.show();
    bool checkedProjection = false;
    clock.onWait = [&](int, int ms) {
        if (ms != 300) return;
        // The lines end on the picture's own pixels at (230 + x, 131 + y).
        checkedProjection = true;
        int mismatches = 0;
        for (int x = 0; x < 60; ++x)
            for (int y = 0; y < box.picture().height(); ++y)
                mismatches += box.beamLayer().pixelColor(230 + x, 131 + y).rgb() !=
                              box.picture().pixelColor(x, y).rgb();
        EXPECT_EQ(mismatches, 0);
        EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("Picture1"))->isVisible());
    };
    box.runAnimation();
    EXPECT_TRUE(checkedProjection);
    EXPECT_EQ(clock.waits.size(), 197u + 1u);
    EXPECT_EQ(clock.waits.front(), 25);
    const QImage& layer = box.beamLayer();
    EXPECT_EQ(layer.pixelColor(400, 100).alpha(), 0);  // beams cleared
}

TEST(AboutBox, ClosingDuringTheAnimationStopsItAtOnce) {
    HookedClock clock;
    FrmInfo box(LanguageTable::builtIn(), {}, clock);
    box.show();
    clock.onWait = [&](int count, int) {
        if (count == 3) box.findChild<QPushButton*>(QStringLiteral("cmdEnde"))->click();
    };
    box.runAnimation();
    EXPECT_EQ(clock.waits.size(), 3u);  // no further column, no 0.3 s look
    EXPECT_TRUE(box.isClosing());
    EXPECT_FALSE(box.isVisible());
    EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("Picture1"))->isVisible());
    EXPECT_FALSE(box.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

TEST(AboutBox, LinksChangeColourUnderThePointerAndOpenTheirTargets) {
    QStringList opened;
    FrmInfo box(LanguageTable::builtIn(), [&](const QString& target) { opened << target; });
    box.show();
    auto* web = box.findChild<QLineEdit*>(QStringLiteral("txtHyperlink"));
    auto* mail = box.findChild<QLineEdit*>(QStringLiteral("txtE_Mail"));
    EXPECT_TRUE(web->isReadOnly());
    EXPECT_FALSE(web->hasFrame());
    EXPECT_EQ(web->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(web->palette().color(QPalette::Text), QColor(0, 0, 255));

    QTest::mouseMove(web, QPoint(10, 5));
    EXPECT_EQ(web->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_TRUE(web->font().underline());
    QTest::mouseMove(&box, QPoint(500, 100));
    EXPECT_EQ(web->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_FALSE(web->font().underline());

    QTest::mouseClick(web, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseClick(mail, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(opened, (QStringList{QStringLiteral("www.kelvor.example"),
                                   QStringLiteral("mailto:info@kelvor.example?Subject=&Body=")}));
}

TEST(CompactDialog, AsksWithTheFiguresOrOnlyTellsWhyNothingChanges) {
    const CompactionSummary figures{{QStringLiteral("a: 16 -> 6"), QStringLiteral("question")},
                                    true};
    CompactDialog ask(figures, LanguageTable::builtIn());
    EXPECT_EQ(ask.windowTitle(), QStringLiteral("Sequenz verdichten"));
    EXPECT_EQ(ask.findChild<QLabel*>(QStringLiteral("compactText"))->text(),
              QStringLiteral("a: 16 -> 6\nquestion"));
    auto* ok = ask.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    auto* cancel = ask.findChild<QPushButton*>(QStringLiteral("cmdCancel"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("&Abbrechen"));
    ok->click();
    EXPECT_EQ(ask.result(), QDialog::Accepted);

    CompactDialog askAgain(figures, LanguageTable::builtIn());
    askAgain.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_EQ(askAgain.result(), QDialog::Rejected);

    // Nothing to apply: OK alone, and it does not accept.
    CompactDialog tell(CompactionSummary{{QStringLiteral("nothing")}, false},
                       LanguageTable::builtIn());
    EXPECT_EQ(tell.findChild<QPushButton*>(QStringLiteral("cmdCancel")), nullptr);
    tell.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(tell.result(), QDialog::Rejected);
}
