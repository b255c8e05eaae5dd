#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include "support/window_fixture.h"
#include "ui/corner_picture.h"
#include "ui/sequence_list.h"

using namespace vireo;

namespace {

class CarTableWindow : public test::WindowFixture {
  protected:
    // A point on a picture given in twips, as the picture reports the mouse.
    static QPoint twips(int x, int y) { return {x / 15, y / 15}; }
};

TEST_F(CarTableWindow, ClickingALampSwitchesItAndAppendingStoresTheStep) {
    auto w = startWindow();
    auto* frontLeft = child<CornerPicture>(*w, "imaVL");
    const QImage dark = frontLeft->shownImage();
    QTest::mouseMove(frontLeft, twips(2000, 2000));
    QTest::mouseClick(frontLeft, Qt::LeftButton, {}, twips(2000, 2000));
    EXPECT_EQ(w->session().lamps(), (LampBytes{0, 1, 0, 0}));
    EXPECT_NE(frontLeft->picture(), dark.copy());  // the lit amber strip
    EXPECT_EQ(frontLeft->toolTip(), w->texts().entry(122) + "_L");
    // A right click switches it back and never appends.
    child<QCheckBox>(*w, "chkAutomatichWeiter")->setChecked(true);
    QTest::mouseClick(frontLeft, Qt::RightButton, {}, twips(2000, 2000));
    EXPECT_EQ(w->session().lamps(), (LampBytes{0, 0, 0, 0}));
    EXPECT_TRUE(w->editor().sequence(0).isEmpty());
    // With "Autom." a left click appends the combination and switches all lamps off.
    QTest::mouseClick(frontLeft, Qt::LeftButton, {}, twips(2000, 2000));
    ASSERT_EQ(w->editor().sequence(0).size(), 1);
    EXPECT_EQ(w->editor().sequence(0)[0].lamps, (LampBytes{0, 1, 0, 0}));
    EXPECT_EQ(w->session().lamps(), (LampBytes{0, 0, 0, 0}));
    // "Speichern und weiter" appends with the slider's on-time; the list shows the rows.
    child<QCheckBox>(*w, "chkAutomatichWeiter")->setChecked(false);
    child<QSlider>(*w, "sliderZeitein")->setValue(15);
    QTest::mouseClick(child<CornerPicture>(*w, "imaVR"), Qt::LeftButton, {}, twips(935, 2000));
    QTest::mouseClick(child<QPushButton>(*w, "cmdWeiter"), Qt::LeftButton);
    ASSERT_EQ(w->editor().sequence(0).size(), 2);
    EXPECT_EQ(w->editor().sequence(0)[1].time, "1,5");
    EXPECT_EQ(w->editor().sequence(0)[1].lamps, (LampBytes{1, 0, 0, 0}));
    auto* list = child<QTreeWidget>(*w, "List1_0");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "1,5");
    // Clicking a row shows that step again.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(1)).center());
    EXPECT_EQ(w->session().lamps(), (LampBytes{1, 0, 0, 0}));
}

TEST_F(CarTableWindow, UndoAndRedoRestoreRowsAndLeaveLampClicksOut) {
    auto w = startWindow();
    auto* append = child<QPushButton>(*w, "cmdWeiter");
    QTest::mouseClick(append, Qt::LeftButton);
    QTest::mouseClick(append, Qt::LeftButton);
    QTest::mouseClick(child<CornerPicture>(*w, "imaVL"), Qt::LeftButton, {}, twips(2000, 2000));
    auto* undo = child<QAction>(*w, "Undo");
    auto* redo = child<QAction>(*w, "Redo");
    undo->trigger();
    EXPECT_EQ(w->editor().sequence(0).size(), 1);
    EXPECT_EQ(child<QTreeWidget>(*w, "List1_0")->topLevelItemCount(), 1);
    redo->trigger();
    EXPECT_EQ(w->editor().sequence(0).size(), 2);
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
}

TEST_F(CarTableWindow, PlaybackRunsToTheEndAndSwitchesAllLampsOff) {
    auto w = startWindow();
    Document doc;
    doc.sequences[0] = {
        {"0,1", "", {1, 0, 0, 0}}, {"0,1", "", {0, 2, 0, 0}}, {"0,1", "", {0, 0, 4, 0}}};
    w->session().resetDocument(doc);
    auto* play = child<QPushButton>(*w, "cmdSilulation");
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(w->session().playbackRunning());
    EXPECT_EQ(play->text(), "Anhal&ten");
    EXPECT_EQ(child<QPushButton>(*w, "cmdSimWeiter")->text(), "Anhalten");
    clock.advance(500 + 3 * 100);
    EXPECT_FALSE(w->session().playbackRunning());
    EXPECT_EQ(play->text(), "Simula&tion |>");
    EXPECT_EQ(child<QPushButton>(*w, "cmdSimWeiter")->text(), "Simulati&on >>");
    EXPECT_EQ(w->session().lamps(), (LampBytes{0, 0, 0, 0}));
    EXPECT_TRUE(child<QTreeWidget>(*w, "List1_0")->selectedItems().isEmpty());
    // The fake clock saw the half second of darkness before the first row.
    EXPECT_NE(std::find(clock.waits.begin(), clock.waits.end(), 500), clock.waits.end());
}

TEST_F(CarTableWindow, ChangingTheRowsStopsPlayback) {
    auto w = startWindow();
    Document doc;
    doc.sequences[0] = {{"10", "", {1, 0, 0, 0}}, {"10", "", {0, 2, 0, 0}}};
    w->session().resetDocument(doc);
    QTest::mouseClick(child<QPushButton>(*w, "cmdSilulation"), Qt::LeftButton);
    ASSERT_TRUE(w->session().playbackRunning());
    QTest::mouseClick(child<QPushButton>(*w, "cmdWeiter"), Qt::LeftButton);
    EXPECT_FALSE(w->session().playbackRunning());
    EXPECT_EQ(child<QPushButton>(*w, "cmdSilulation")->text(), "Simula&tion |>");
}

// With "Autom." a click appends after a short pause; clicks that come during the pause act
// after the append, in order, so each makes its own step.
TEST_F(CarTableWindow, ClicksDuringTheAutomaticAppendActAfterIt) {
    auto w = startWindow();
    child<QCheckBox>(*w, "chkAutomatichWeiter")->setChecked(true);
    auto* frontLeft = child<CornerPicture>(*w, "imaVL");
    auto* list = child<QTreeWidget>(*w, "List1_0");
    bool clicked = false;
    clock.onWait = [&](int ms) {
        if (ms != 200 || clicked) return;
        clicked = true;  // 80 ms into the pause
        QTest::mouseClick(frontLeft, Qt::LeftButton, {}, twips(2000, 2200));
    };
    QTest::mouseClick(frontLeft, Qt::LeftButton, {}, twips(2000, 2000));
    QApplication::processEvents();
    ASSERT_TRUE(clicked);
    ASSERT_EQ(w->editor().sequence(0).size(), 2);
    EXPECT_EQ(w->editor().sequence(0)[0].lamps, (LampBytes{0, 1, 0, 0}));
    EXPECT_EQ(w->editor().sequence(0)[1].lamps, (LampBytes{0, 2, 0, 0}));

    // A click on a row during the pause does not put that row's lamps into the new step.
    clicked = false;
    clock.onWait = [&](int ms) {
        if (ms != 200 || clicked) return;
        clicked = true;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->topLevelItem(1)).center());
    };
    QTest::mouseClick(child<CornerPicture>(*w, "imaVR"), Qt::LeftButton, {}, twips(935, 2000));
    QApplication::processEvents();
    ASSERT_EQ(w->editor().sequence(0).size(), 3);
    EXPECT_EQ(w->editor().sequence(0)[2].lamps, (LampBytes{1, 0, 0, 0}));
    EXPECT_EQ(w->session().lamps(), (LampBytes{0, 2, 0, 0}));  // the row clicked after the append
}

// A menu shortcut pressed during the pause acts after the append as well: Ctrl+Z then takes
// back the step just appended, not the one before it.
TEST_F(CarTableWindow, ShortcutsDuringTheAutomaticAppendActAfterIt) {
    auto w = startWindow();
    QTest::mouseClick(child<QPushButton>(*w, "cmdWeiter"), Qt::LeftButton);
    ASSERT_EQ(w->editor().sequence(0).size(), 1);
    child<QCheckBox>(*w, "chkAutomatichWeiter")->setChecked(true);
    bool pressed = false;
    clock.onWait = [&](int ms) {
        if (ms != 200 || pressed) return;
        pressed = true;
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    };
    QTest::mouseClick(child<CornerPicture>(*w, "imaVL"), Qt::LeftButton, {}, twips(2000, 2000));
    QApplication::processEvents();
    ASSERT_TRUE(pressed);
    ASSERT_EQ(w->editor().sequence(0).size(), 1);
    EXPECT_EQ(w->editor().sequence(0)[0].lamps, (LampBytes{0, 0, 0, 0}));
    EXPECT_TRUE(child<QAction>(*w, "Redo")->isEnabled());  // the automatic append, undone
}

// Keys typed during the pause act as if typed after the append: on the widget that has the
// focus then. With the lamps on the keyboard, a second Space typed quickly presses "Weiter"
// (an empty step, the append switched the lamps off), as it does when typed slowly; and a Tab
// typed ahead moves on from "Weiter".
TEST_F(CarTableWindow, KeysDuringTheAutomaticAppendGoWhereTheFocusIsAfterIt) {
    auto w = startWindow();
    w->show();
    child<QCheckBox>(*w, "chkAutomatichWeiter")->setChecked(true);
    auto* car = child<QWidget>(*w, "carPanel");
    car->setFocus();
    QApplication::processEvents();
    bool typed = false;
    clock.onWait = [&](int ms) {
        if (ms != 200 || typed) return;
        typed = true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    };
    QTest::keyClick(car, Qt::Key_Space);
    QApplication::processEvents();
    ASSERT_TRUE(typed);
    ASSERT_EQ(w->editor().sequence(0).size(), 2);
    EXPECT_EQ(w->editor().sequence(0)[0].lamps, (LampBytes{1, 0, 0, 0}));
    EXPECT_EQ(w->editor().sequence(0)[1].lamps, (LampBytes{0, 0, 0, 0}));
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(*w, "chkAutomatichWeiter"));
}

// A click during playback appends the lamps as clicked, even when a step of the playback falls
// due during the pause before the append.
TEST_F(CarTableWindow, APlaybackStepDuringTheAutomaticAppendDoesNotChangeTheAppendedLamps) {
    auto w = startWindow();
    Document doc;
    doc.sequences[0] = {{"10", "", {0, 0, 4, 0}}, {"10", "", {0, 0, 0, 8}}};
    w->session().resetDocument(doc);
    child<QCheckBox>(*w, "chkAutomatichWeiter")->setChecked(true);
    child<QPushButton>(*w, "cmdSilulation")->click();
    ASSERT_TRUE(w->session().playbackRunning());
    ASSERT_EQ(w->session().lamps(), (LampBytes{0, 0, 4, 0}));
    bool ticked = false;
    clock.onWait = [&](int ms) {
        if (ms != 200 || ticked) return;
        ticked = true;
        ASSERT_TRUE(clock.tickNext());  // the next step falls due now
    };
    QTest::mouseClick(child<CornerPicture>(*w, "imaVL"), Qt::LeftButton, {}, twips(2000, 2000));
    QApplication::processEvents();
    ASSERT_TRUE(ticked);
    ASSERT_EQ(w->editor().sequence(0).size(), 3);
    EXPECT_EQ(w->editor().sequence(0)[2].lamps, (LampBytes{0, 1, 4, 0}));
    EXPECT_FALSE(w->session().playbackRunning());
}

// Undo and redo of a change to the sequence that is not shown show that sequence, with the
// rows the change selected.
TEST_F(CarTableWindow, UndoOfTheHiddenSequenceShowsIt) {
    auto w = startWindow();
    auto* append = child<QPushButton>(*w, "cmdWeiter");
    child<QRadioButton>(*w, "optAuf_Zu_1")->click();
    QTest::mouseClick(append, Qt::LeftButton);
    QTest::mouseClick(append, Qt::LeftButton);
    auto* goodbye = child<QTreeWidget>(*w, "List1_1");
    const Selection afterAppend = selectionOf(goodbye);
    child<QRadioButton>(*w, "optAuf_Zu_0")->click();
    ASSERT_EQ(w->session().activeSequence(), 0);

    child<QAction>(*w, "Undo")->trigger();
    EXPECT_EQ(w->session().activeSequence(), 1);
    EXPECT_TRUE(child<QRadioButton>(*w, "optAuf_Zu_1")->isChecked());
    EXPECT_EQ(w->editor().sequence(1).size(), 1);
    EXPECT_EQ(child<QTreeWidget>(*w, "List1_1")->topLevelItemCount(), 1);

    child<QRadioButton>(*w, "optAuf_Zu_0")->click();
    child<QAction>(*w, "Redo")->trigger();
    EXPECT_EQ(w->session().activeSequence(), 1);
    ASSERT_EQ(goodbye->topLevelItemCount(), 2);
    EXPECT_EQ(selectionOf(goodbye), afterAppend);
}

// Stopped and started again within its half second of darkness, playback starts at row 1.
TEST_F(CarTableWindow, PlaybackStartedAgainDuringItsDarknessStartsAtTheFirstRow) {
    auto w = startWindow();
    Document doc;
    doc.sequences[0] = {{"10", "", {1, 0, 0, 0}}, {"10", "", {0, 2, 0, 0}}};
    w->session().resetDocument(doc);
    auto* play = child<QPushButton>(*w, "cmdSilulation");
    bool restarted = false;
    clock.onWait = [&](int ms) {
        if (ms != 500 || restarted) return;
        restarted = true;
        play->click();  // stop
        play->click();  // and start again
    };
    play->click();
    ASSERT_TRUE(restarted);
    ASSERT_TRUE(w->session().playbackRunning());
    EXPECT_EQ(w->session().lamps(), (LampBytes{1, 0, 0, 0}));
    const auto selected = child<QTreeWidget>(*w, "List1_0")->selectedItems();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(child<QTreeWidget>(*w, "List1_0")->indexOfTopLevelItem(selected[0]), 0);
    play->click();
}

}  // namespace
