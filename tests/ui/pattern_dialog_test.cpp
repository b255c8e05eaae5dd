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
#include "text/language.h"

using namespace vireo;

TEST(PatternDialog, LampsInTickedOrderTheChoicesAndTheCost) {
    PatternDialog dialog(LanguageTable::builtIn());
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    auto* cost = dialog.findChild<QLabel*>("patternCost");
    EXPECT_FALSE(ok->isEnabled());  // no lamps yet
    EXPECT_EQ(cost->text(), "0 Schritte, 0 Bytes");

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
    // One looped pass: control, time, three corner bytes and the loop's two, then a dark row.
    EXPECT_EQ(cost->text(), "2 Schritte, 8 Bytes");
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
