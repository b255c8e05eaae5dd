#include "ui/dialogs/pattern_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "car/car_frame.h"
#include "car/picture_store.h"
#include "sequence/loop_marker.h"
#include "text/language.h"

using namespace vireo;

TEST(PatternDialog, LampsInTickedOrderTheChoicesAndTheCost) {
    PatternDialog dialog(LanguageTable::builtIn());
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    auto* cost = dialog.findChild<QLabel*>("patternCost");
    EXPECT_FALSE(ok->isEnabled());  // no lamps yet
    EXPECT_EQ(cost->text(), "0 Schritte, 0 Bytes mehr im Speicherabbild");

    // 23 lamps in four corner groups; the middle lamp once.
    auto* list = dialog.findChild<QTreeWidget*>("lampList");
    ASSERT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(list->topLevelItem(2)->childCount(), 6);
    EXPECT_EQ(list->topLevelItem(3)->childCount(), 5);
    EXPECT_EQ(dialog.lampItem({4, 4}), dialog.lampItem({3, 4}));

    for (PatternLamp lamp : {PatternLamp{2, 0}, PatternLamp{3, 4}, PatternLamp{1, 0}})
        dialog.lampItem(lamp)->setCheckState(0, Qt::Checked);
    dialog.findChild<QComboBox*>("patternKind")->setCurrentIndex(3);  // blink
    dialog.findChild<QComboBox*>("lampOrder")->setCurrentIndex(1);    // across
    dialog.findChild<QDoubleSpinBox*>("onTime")->setValue(0.3);
    dialog.findChild<QSpinBox*>("passes")->setValue(2);

    const PatternChoice c = dialog.choice();
    EXPECT_EQ(c.lamps, (QList<PatternLamp>{{2, 0}, {3, 4}, {1, 0}}));
    EXPECT_EQ(c.kind, PatternKind::Blink);
    EXPECT_EQ(c.order, LampOrder::Across);
    EXPECT_EQ(c.tenths, 3);
    EXPECT_EQ(c.passes, 2);
    // One looped pass: control, time, three corner bytes and the loop's two, then a dark row;
    // in an empty document the image's header of 9 bytes comes with them.
    EXPECT_EQ(cost->text(), "2 Schritte, 17 Bytes mehr im Speicherabbild");
    EXPECT_TRUE(ok->isEnabled());

    dialog.lampItem({3, 4})->setCheckState(0, Qt::Unchecked);
    dialog.lampItem({3, 4})->setCheckState(0, Qt::Checked);  // ticked again: now the last
    EXPECT_EQ(dialog.choice().lamps, (QList<PatternLamp>{{2, 0}, {1, 0}, {3, 4}}));
}

TEST(PatternDialog, ThePreviewPlaysThePatternLoopsIncludedThenDarkness) {
    PatternDialog dialog(LanguageTable::builtIn());
    const VehicleSetup setup = *vehicleSetupFor("111");
    dialog.showCar(setup);
    dialog.lampItem({1, 0})->setCheckState(0, Qt::Checked);
    dialog.lampItem({2, 3})->setCheckState(0, Qt::Checked);
    dialog.findChild<QSpinBox*>("passes")->setValue(2);  // chase, as a loop of two rows

    PictureStore store;
    const CarFrameRenderer car(store, setup, 200);
    auto* preview = dialog.findChild<QLabel*>("patternPreview");
    const LampBytes shown[] = {{1, 0, 0, 0}, {0, 8, 0, 0}, {1, 0, 0, 0},
                               {0, 8, 0, 0}, {0, 0, 0, 0}, {1, 0, 0, 0}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(dialog.previewStep(), i % 5);
        EXPECT_EQ(preview->pixmap().toImage(), car.frame(shown[i])) << "step " << i;
        dialog.advancePreview();
    }
}

TEST(PatternDialog, AClickOnALampOfThePictureTicksIt) {
    PatternDialog dialog(LanguageTable::builtIn());
    dialog.showCar(*vehicleSetupFor("111"));
    auto* preview = dialog.findChild<QLabel*>("patternPreview");
    ASSERT_EQ(preview->size(), QSize(200, 279));
    // The front left strip (twips 2000,2000 of the front left picture) at 200/390 of its size.
    const QPoint strip(qRound((195 + 133.4) * 200 / 390), qRound(133.4 * 200 / 390));
    QTest::mouseClick(preview, Qt::LeftButton, {}, strip);
    EXPECT_EQ(dialog.choice().lamps, (QList<PatternLamp>{{2, 0}}));
    QTest::mouseClick(preview, Qt::LeftButton, {}, strip);
    EXPECT_TRUE(dialog.choice().lamps.isEmpty());
    QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(100, 5));  // no lamp there
    EXPECT_TRUE(dialog.choice().lamps.isEmpty());
}

TEST(PatternDialog, SaysWhereThePatternGoesAndWhatItAddsToTheWholeImage) {
    PatternDialog dialog(LanguageTable::builtIn());
    Document d;
    d.sequences[kWelcome] = {
        Step{"0,5", "", {1, 0, 0, 0}}, Step{"0,2", loopMarker(1, 2), {2, 0, 0, 0}},
        Step{"0,2", loopMarker(1, 2), {4, 0, 0, 0}}, Step{"0,2", "", {8, 0, 0, 0}}};
    dialog.setTarget({d, kWelcome, Selection{{1}, 1}, {}, 0});
    auto* place = dialog.findChild<QLabel*>("patternPlace");
    auto* cost = dialog.findChild<QLabel*>("patternCost");
    EXPECT_EQ(place->text(), "Das Muster kommt nach Zeile 3, dem Ende von Schleife 1.");
    dialog.lampItem({1, 0})->setCheckState(0, Qt::Checked);
    // One row of 0,5 s: control, time and corner; the row after it needs its time byte again.
    EXPECT_EQ(cost->text(), "1 Schritt, 4 Bytes mehr im Speicherabbild");
    dialog.findChild<QDoubleSpinBox*>("onTime")->setValue(0.2);
    EXPECT_EQ(cost->text(), "1 Schritt, 2 Bytes mehr im Speicherabbild");

    dialog.setTarget({d, kWelcome, {}, {}, 0});
    EXPECT_EQ(place->text(), "Das Muster kommt ans Ende, nach Zeile 4.");
    // 0,2 s as the last row: control and corner alone.
    EXPECT_EQ(cost->text(), "1 Schritt, 2 Bytes mehr im Speicherabbild");
}

TEST(PatternDialog, ClicksOnThePictureFollowSymmetric) {
    PatternDialog dialog(LanguageTable::builtIn());
    dialog.showCar(*vehicleSetupFor("111"));
    dialog.setSymmetric(true);
    auto* preview = dialog.findChild<QLabel*>("patternPreview");
    // The front left strip: it and its mirror, the front right strip, are ticked and cleared.
    const QPoint strip(qRound((195 + 133.4) * 200 / 390), qRound(133.4 * 200 / 390));
    QTest::mouseClick(preview, Qt::LeftButton, {}, strip);
    EXPECT_EQ(dialog.choice().lamps, (QList<PatternLamp>{{2, 0}, {1, 0}}));
    // A mirror lamp ticked by hand follows the next click, as on the main pictures.
    dialog.lampItem({1, 0})->setCheckState(0, Qt::Unchecked);
    QTest::mouseClick(preview, Qt::LeftButton, {}, strip);
    EXPECT_TRUE(dialog.choice().lamps.isEmpty());
    dialog.setSymmetric(false);
    QTest::mouseClick(preview, Qt::LeftButton, {}, strip);
    EXPECT_EQ(dialog.choice().lamps, (QList<PatternLamp>{{2, 0}}));
}

TEST(PatternDialog, ShowsAChoiceMadeBeforeWithItsLampsInTheirOrder) {
    const PatternChoice before{PatternKind::Bounce,
                               {PatternLamp{3, 4}, PatternLamp{1, 2}, PatternLamp{2, 5}},
                               LampOrder::Pairs,
                               7,
                               4};
    PatternDialog dialog(LanguageTable::builtIn());
    dialog.lampItem({2, 0})->setCheckState(0, Qt::Checked);  // cleared by the choice
    dialog.setChoice(before);
    const PatternChoice shown = dialog.choice();
    EXPECT_EQ(shown.kind, before.kind);
    EXPECT_EQ(shown.order, before.order);
    EXPECT_EQ(shown.lamps, before.lamps);
    EXPECT_EQ(shown.tenths, 7);
    EXPECT_EQ(shown.passes, 4);
    EXPECT_EQ(dialog.findChild<QComboBox*>("patternKind")->currentText(), "Hin und zurück");
    EXPECT_EQ(dialog.findChild<QComboBox*>("lampOrder")->currentText(), "Paarweise");
}
