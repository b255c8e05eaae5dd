#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>
#include <QUndoStack>
#include <QWheelEvent>

#include "sequence/loop_marker.h"
#include "support/window_fixture.h"
#include "timeline/lamp_rows.h"
#include "ui/corner_picture.h"
#include "ui/dialogs/frm_parameter.h"
#include "ui/memory_meter_widget.h"
#include "ui/timeline_panel.h"
#include "ui/timeline_view.h"

using namespace vireo;

namespace {

class TimelineWindow : public test::WindowFixture {
  protected:
    std::unique_ptr<MainWindow> startWith(const Sequence& welcome) {
        auto w = startWindow();
        Document doc;
        doc.sequences[0] = welcome;
        w->session().resetDocument(doc);
        w->show();
        QApplication::processEvents();
        return w;
    }
    static int rowOf(int corner, int bit) {
        for (int r = 0; r < kLampRowCount; ++r)
            if (lampRows()[r].corner == corner && lampRows()[r].bit == bit) return r;
        return -1;
    }
    static QPoint centre(TimelineView* view, int step, int row) {
        return view->cellViewRect({step, row}).center();
    }
};

TEST_F(TimelineWindow, ClickingACellSwitchesTheLampRedrawsThePictureAndUndoRestoresIt) {
    auto w = startWith({{"1", "", {0, 0, 0, 0}}, {"1", "", {0, 0, 0, 0}}});
    auto* view = child<TimelineView>(*w, "timelineView");
    auto* picture = child<CornerPicture>(*w, "imaVR");
    const QImage dark = picture->picture().copy();

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre(view, 1, rowOf(1, 0)));
    EXPECT_EQ(w->editor().sequence(0)[1].lamps, (LampBytes{1, 0, 0, 0}));
    // The step is selected in the table and shown on the pictures.
    EXPECT_EQ(w->session().lamps(), (LampBytes{1, 0, 0, 0}));
    EXPECT_NE(picture->picture(), dark);
    auto* list = child<QTreeWidget>(*w, "List1_0");
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->indexOfTopLevelItem(list->selectedItems()[0]), 1);
    EXPECT_EQ(child<QAction>(*w, "Undo")->text(),
              QStringLiteral("&Rückgängig Blinker_R in Schritt 2 schalten"));

    // The cell's tool tip names step, on-time, loop and lamp.
    const QPoint cell = centre(view, 1, rowOf(1, 0));
    QHelpEvent help(QEvent::ToolTip, cell, view->viewport()->mapToGlobal(cell));
    QApplication::sendEvent(view->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Schritt 2, 1 s, Schleife: keine, Lampe: Blinker_R\n"
                                               "Schritt 2: 2 Bytes: Steuerbyte, 1 Ecke"));
    QToolTip::hideText();

    // Ctrl+Z in the window undoes it, and the picture follows.
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->editor().sequence(0)[1].lamps, (LampBytes{0, 0, 0, 0}));
    EXPECT_EQ(w->session().lamps(), (LampBytes{0, 0, 0, 0}));
    EXPECT_EQ(picture->picture(), dark);
}

TEST_F(TimelineWindow, DragSetsTheLampAcrossStepsInOneUndoStep) {
    auto w = startWith({{"1", "", {0, 0, 0, 0}},
                        {"1", "", {0, 0, 16, 0}},
                        {"1", "", {0, 0, 0, 0}},
                        {"1", "", {0, 0, 0, 0}}});
    auto* view = child<TimelineView>(*w, "timelineView");
    const int middle = rowOf(3, 4);
    // The rear rows in view on the small test screen.
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, centre(view, 0, middle));
    QMouseEvent move(QEvent::MouseMove, centre(view, 2, middle),
                     view->viewport()->mapToGlobal(centre(view, 2, middle)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, centre(view, 2, middle));
    // The first cell went on, so every dragged cell is on, in both rear bytes.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w->editor().sequence(0)[i].lamps, (LampBytes{0, 0, 16, 16})) << i;
    EXPECT_EQ(w->editor().sequence(0)[3].lamps, (LampBytes{0, 0, 0, 0}));
    EXPECT_EQ(w->editor().undoStack()->count(), 1);
}

// A timeline without a window, on a session of its own that takes its edits.
struct LoneTimeline {
    MemorySettingsStore store;
    test::FakePrompter prompter;
    test::FakeClock clock;
    EditingSession session{store, prompter, LanguageTable::builtIn(), clock};
    TimelineView view{session, LanguageTable::builtIn()};

    explicit LoneTimeline(const Document& doc) {
        session.editor().reset(doc);
        QObject::connect(&view, &TimelineView::lampsSwitched, &session,
                         &EditingSession::switchLamps);
    }
    const Sequence& rows() const { return session.document().sequences[0]; }
};

TEST(TimelineViewSymmetric, AClickAndTheSpaceKeySwitchTheMirrorLampToo) {
    Document doc;
    doc.sequences[0] = {{"1", "", {0, 0, 0, 0}}, {"1", "", {0, 0, 0, 0}}};
    LoneTimeline t(doc);
    TimelineView& view = t.view;
    view.resize(600, 500);
    t.session.setSymmetric(true);
    view.show();
    int ring = -1;
    for (int r = 0; r < kLampRowCount; ++r)
        if (lampRows()[r].corner == 4 && lampRows()[r].bit == 3) ring = r;
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cellViewRect({1, ring}).center());
    EXPECT_EQ(t.rows()[1].lamps, (LampBytes{0, 0, 8, 8}));
    EXPECT_EQ(t.session.documentEditor().undoStack()->count(), 1);
    QTest::keyClick(view.viewport(), Qt::Key_Space);  // the focused cell, switched back
    EXPECT_EQ(t.rows()[1].lamps, (LampBytes{0, 0, 0, 0}));
    t.session.setSymmetric(false);
    QTest::keyClick(view.viewport(), Qt::Key_Space);
    EXPECT_EQ(t.rows()[1].lamps, (LampBytes{0, 0, 0, 8}));
}

TEST_F(TimelineWindow, SelectionIsSharedWithTheTableAndDeleteActsOnIt) {
    auto w = startWith({{"1", "", {1, 0, 0, 0}}, {"1", "", {2, 0, 0, 0}}, {"1", "", {4, 0, 0, 0}}});
    auto* view = child<TimelineView>(*w, "timelineView");
    auto* list = child<QTreeWidget>(*w, "List1_0");
    // The table's selection shows in the timeline.
    list->setCurrentItem(list->topLevelItem(2));
    EXPECT_EQ(view->selection().rows, QList<int>{2});
    // A click on the ruler selects the step in the table and shows it; Shift+Left extends.
    const QPoint ruler(view->cellViewRect({1, 0}).center().x(), 5);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, ruler);
    EXPECT_EQ(w->session().lamps(), (LampBytes{2, 0, 0, 0}));
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(list->selectedItems().size(), 2);
    // Delete asks as the table's command does, then removes the selected steps.
    prompter.questionAnswers.push_back(true);
    QTest::keyClick(view, Qt::Key_Delete);
    ASSERT_EQ(w->editor().sequence(0).size(), 1);
    EXPECT_EQ(w->editor().sequence(0)[0].lamps, (LampBytes{4, 0, 0, 0}));
}

TEST_F(TimelineWindow, KeyboardMovesTheFocusSwitchesZoomsCopiesAndPastes) {
    auto w = startWith({{"1", "", {0, 0, 0, 0}}, {"1", "", {0, 0, 0, 0}}});
    auto* view = child<TimelineView>(*w, "timelineView");
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(view->focusCell(), (TimelineCell{1, 1}));
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(w->editor().sequence(0)[1].lamps, (LampBytes{2, 0, 0, 0}));
    EXPECT_EQ(w->session().lamps(), (LampBytes{2, 0, 0, 0}));

    const double scale = view->scale();
    QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(view->scale(), scale);
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LT(view->scale(), scale);

    // Copy the selected second step and paste it before it, as the table's commands do.
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(w->editor().sequence(0).size(), 3);
    EXPECT_EQ(w->editor().sequence(0)[1].lamps, (LampBytes{2, 0, 0, 0}));
}

TEST_F(TimelineWindow, PlaybackMovesTheCursor) {
    auto w =
        startWith({{"0,1", "", {1, 0, 0, 0}}, {"0,1", "", {2, 0, 0, 0}}, {"10", "", {4, 0, 0, 0}}});
    auto* view = child<TimelineView>(*w, "timelineView");
    EXPECT_EQ(view->playbackStep(), -1);
    auto* play = child<QPushButton>(*w, "cmdSilulation");
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_EQ(view->playbackStep(), 0);
    clock.advance(100);
    EXPECT_EQ(view->playbackStep(), 1);
    clock.advance(100);
    EXPECT_EQ(view->playbackStep(), 2);
    QTest::mouseClick(play, Qt::LeftButton);  // stop
    EXPECT_EQ(view->playbackStep(), -1);
}

// A window shorter than the whole timeline (a small screen) keeps the meter in view and
// scrolls the lamp rows; a scrolled cell is still the one a click switches.
TEST_F(TimelineWindow, OnASmallWindowTheRowsScrollAndStayClickable) {
    auto w = startWith({{"1", "", {0, 0, 0, 0}}, {"1", "", {0, 0, 0, 0}}});
    auto* view = child<TimelineView>(*w, "timelineView");
    EXPECT_LT(view->minimumSizeHint().height(), view->sizeHint().height() / 2);
    w->resize(w->width(), w->minimumSizeHint().height());
    QApplication::processEvents();
    EXPECT_LT(view->height(), view->sizeHint().height());
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    const int last = kLampRowCount - 1;
    const QPoint cell = centre(view, 1, last);
    EXPECT_TRUE(view->viewport()->rect().contains(cell));
    EXPECT_EQ(view->cellAtViewPoint(cell), (TimelineCell{1, last}));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(w->editor().sequence(0)[1].lamps,
              withLamp(LampBytes{0, 0, 0, 0}, lampRows()[last], true));
}

// The buttons read "Stop" while a sequence plays, shorter than their English idle captions;
// nothing of the window moves for it.
TEST_F(TimelineWindow, PlaybackCaptionsDoNotMoveTheControls) {
    auto w = startWith({{"5", "", {1, 0, 0, 0}}, {"5", "", {0, 1, 0, 0}}});
    w->findChild<QAction*>(QStringLiteral("Auswahl_2"))->trigger();  // English
    QApplication::processEvents();
    auto* play = child<QPushButton>(*w, "cmdSilulation");
    auto* edit = w->findChild<QWidget*>(QStringLiteral("Frame2"));
    ASSERT_TRUE(edit);
    const QRect before = edit->geometry();
    QTest::mouseClick(play, Qt::LeftButton);
    ASSERT_EQ(play->text(), QStringLiteral("S&top"));
    QApplication::processEvents();
    EXPECT_EQ(edit->geometry(), before);
    QTest::mouseClick(play, Qt::LeftButton);  // stop
}

TEST_F(TimelineWindow, MeterShowsTheNeedAndTheViewMenuRemembersThePanel) {
    Sequence many;
    for (int i = 0; i < 300; ++i) many.append({"1", "", {1, 0, 0, 0}});
    auto w = startWith({{"1", "", {1, 0, 0, 0}}});
    auto* panel = child<TimelinePanel>(*w, "timelinePanel");
    auto* text = child<QLabel>(*w, "memoryMeterText");
    EXPECT_TRUE(text->text().startsWith(QStringLiteral("Speicher: ")));
    EXPECT_TRUE(text->text().endsWith(QStringLiteral("von 510 Bytes)")));
    Document big;
    big.sequences[0] = many;
    w->session().resetDocument(big);
    EXPECT_EQ(panel->meter()->reading().state, MeterReading::State::TooBig);
    EXPECT_TRUE(text->text().startsWith(QStringLiteral("Passt nicht")));
    EXPECT_TRUE(prompter.prompts.empty());  // the meter never shows a box

    auto* show = child<QAction>(*w, "Zeitleiste");
    EXPECT_TRUE(show->isChecked());
    const int tall = w->height();
    show->trigger();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_LT(w->height(), tall);
    EXPECT_EQ(store.read(QStringLiteral("Zeitleiste")), QStringLiteral("Falsch"));
    auto again = startWindow();
    EXPECT_TRUE(child<TimelinePanel>(*again, "timelinePanel")->isHidden());
}

// The strip under the steps names each step's bytes; when the image does not fit, the first
// step past the memory says by how much, and the meter's tool tip breaks the image down.
TEST_F(TimelineWindow, TheCostStripAndTheMeterNameTheBytes) {
    Sequence many;
    for (int i = 0; i < 90; ++i) many.append({i % 2 ? "1" : "2", "", {1, 2, 3, 4}});
    auto w = startWith(many);
    auto* view = child<TimelineView>(*w, "timelineView");
    auto* meter = child<MemoryMeterWidget>(*w, "memoryMeter");
    EXPECT_EQ(meter->toolTip(), QStringLiteral("Kopf: 9 Bytes\nÖffnen: 540 Bytes\nSchliessen: 0 "
                                               "Bytes\nHaltezeiten: 0 Bytes\nFrei: 0 Bytes"));
    EXPECT_TRUE(
        child<QLabel>(*w, "memoryMeterText")->text().endsWith(QStringLiteral("39 Bytes zu viel")));

    const auto tipAt = [view](int step) {
        // The strip at the bottom of the rows in view, the step's column at the left.
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        view->horizontalScrollBar()->setValue(0);
        QRect column = view->cellViewRect({step, 0});
        view->horizontalScrollBar()->setValue(column.left() - TimelineGeometry::kLabelWidth - 10);
        column = view->cellViewRect({step, 0});
        const QPoint strip(column.center().x(), TimelineGeometry::costStripTop() + 3 -
                                                    view->verticalScrollBar()->value());
        QHelpEvent help(QEvent::ToolTip, strip, view->viewport()->mapToGlobal(strip));
        QApplication::sendEvent(view->viewport(), &help);
        const QString text = QToolTip::text();
        QToolTip::hideText();
        return text;
    };
    EXPECT_EQ(tipAt(0), QStringLiteral("Schritt 1: 6 Bytes: Steuerbyte, Zeit, 4 Ecken"));
    // Step 84 ends at byte 9 + 84 * 6 = 513, the first past 510.
    EXPECT_EQ(tipAt(83),
              QStringLiteral("Schritt 84: 6 Bytes: Steuerbyte, Zeit, 4 Ecken\nAb diesem "
                             "Schritt passt das Speicherabbild nicht mehr: 39 Bytes zu viel\n"
                             "\"Bearbeiten - Passend machen…\" findet die kleinste Änderung, "
                             "mit der es passt."));
    EXPECT_EQ(tipAt(84), QStringLiteral("Schritt 85: 6 Bytes: Steuerbyte, Zeit, 4 Ecken"));

    // After an edit the strip follows the new rows.
    w->session().editor().commit(0, many.mid(0, 3), {}, {}, QStringLiteral("cut"));
    EXPECT_EQ(tipAt(2), QStringLiteral("Schritt 3: 6 Bytes: Steuerbyte, Zeit, 4 Ecken"));
    EXPECT_EQ(meter->toolTip(), QStringLiteral("Kopf: 9 Bytes\nÖffnen: 18 Bytes\nSchliessen: 0 "
                                               "Bytes\nHaltezeiten: 0 Bytes\nFrei: 483 Bytes"));
}

// The line between the editor part and the timeline: the height the user gives the timeline
// is stored and comes back at the next start; a stored value that is no usable height is left
// alone.
TEST_F(TimelineWindow, TheTimelineKeepsTheHeightTheUserGaveIt) {
    const QString key = QStringLiteral("Zeitleiste_Hoehe");
    auto plain = startWith({{"1", "", {0, 0, 0, 0}}});
    const int unstored = child<TimelinePanel>(*plain, "timelinePanel")->height();
    plain.reset();
    for (const char* invalid : {"viel", "-5", "3"}) {
        store.write(key, QString::fromLatin1(invalid));
        auto w = startWith({{"1", "", {0, 0, 0, 0}}});
        EXPECT_EQ(child<TimelinePanel>(*w, "timelinePanel")->height(), unstored) << invalid;
    }

    store.write(key, QStringLiteral("150"));
    auto w = startWith({{"1", "", {0, 0, 0, 0}}});
    auto* splitter = child<QSplitter>(*w, "editorSplitter");
    auto* panel = child<TimelinePanel>(*w, "timelinePanel");
    ASSERT_TRUE(splitter);
    ASSERT_EQ(splitter->indexOf(panel), 1);
    EXPECT_EQ(panel->height(), 150);

    // Dragging the line 50 pixels up gives the timeline 50 more, and that is stored.
    QWidget* handle = splitter->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    const QPoint to = grip - QPoint(0, 50);
    QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
    EXPECT_EQ(panel->height(), 200);
    EXPECT_EQ(store.read(key), QStringLiteral("200"));
}

// A taller (or maximised) window gives its height to the timeline; the car, the table and the
// buttons above stay as they were.
TEST_F(TimelineWindow, AGrowingWindowGrowsTheTimelineNotTheEditorPart) {
    store.write(QStringLiteral("Zeitleiste_Hoehe"), QStringLiteral("150"));
    auto w = startWith({{"1", "", {0, 0, 0, 0}}});
    auto* panel = child<TimelinePanel>(*w, "timelinePanel");
    const char* names[] = {"editorPart", "carPanel", "List1_0", "Frame2", "Frame6", "cmdWeiter"};
    QList<QRect> before;
    for (const char* name : names) {
        auto* widget = child<QWidget>(*w, name);
        ASSERT_TRUE(widget);
        before << QRect(widget->mapTo(w.get(), QPoint(0, 0)), widget->size());
    }
    ASSERT_EQ(panel->height(), 150);
    w->resize(w->width(), w->height() + 300);
    QApplication::processEvents();
    EXPECT_EQ(panel->height(), 450);
    for (int i = 0; i < before.size(); ++i) {
        auto* widget = child<QWidget>(*w, names[i]);
        EXPECT_EQ(QRect(widget->mapTo(w.get(), QPoint(0, 0)), widget->size()), before[i])
            << names[i];
    }
    // The rows fill the taller view; below the last one stays plain.
    auto* view = child<TimelineView>(*w, "timelineView");
    EXPECT_GT(view->height(), view->sizeHint().height());
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
}

// The seconds ruler and the loop brackets stay at the top while the lamp rows scroll under
// them, and a click there still selects the step rather than a lamp row scrolled beneath.
TEST_F(TimelineWindow, ScrollingTheRowsLeavesTheRulerAndTheLoopsInPlace) {
    auto w = startWith({{"1", loopMarker(1, 2), {1, 0, 0, 0}},
                        {"1", loopMarker(1, 2), {0, 0, 0, 0}},
                        {"1", "", {0, 0, 0, 0}}});
    auto* view = child<TimelineView>(*w, "timelineView");
    w->resize(w->width(), w->minimumSizeHint().height());
    QApplication::processEvents();
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const QRect header(0, 0, view->viewport()->width(), TimelineGeometry::gridTop());
    const QImage top = view->viewport()->grab(header).toImage();
    const QImage rows =
        view->viewport()->grab(header.translated(0, TimelineGeometry::gridTop())).toImage();
    bar->setValue(bar->maximum());
    EXPECT_EQ(view->viewport()->grab(header).toImage(), top);
    EXPECT_NE(view->viewport()->grab(header.translated(0, TimelineGeometry::gridTop())).toImage(),
              rows);

    const QPoint ruler(view->cellViewRect({1, 0}).center().x(), 5);
    EXPECT_EQ(view->cellAtViewPoint(ruler), std::nullopt);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, ruler);
    EXPECT_EQ(view->selection().rows, QList<int>{1});
    EXPECT_EQ(w->editor().sequence(0)[1].lamps, (LampBytes{0, 0, 0, 0}));
    // The first row comes back into view below the ruler, not under it.
    QTest::keyClick(view, Qt::Key_Up);
    for (int i = 0; i < kLampRowCount; ++i) QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(bar->value(), 0);
}

// Tabbing into the timeline shows at once where the keyboard is: on the current step's first
// lamp, or on the first cell when no step is current. Leaving it takes the mark away.
TEST_F(TimelineWindow, FocusMarkShowsAsSoonAsTheTimelineHasTheKeyboard) {
    const QColor mark(0, 160, 255);
    const struct {
        int current;
        TimelineCell marked;
    } cases[] = {{-1, {0, 0}}, {2, {2, 0}}};
    for (const auto& c : cases) {
        auto w =
            startWith({{"1", "", {0, 0, 0, 0}}, {"1", "", {0, 0, 0, 0}}, {"1", "", {0, 0, 0, 0}}});
        auto* view = child<TimelineView>(*w, "timelineView");
        auto* list = child<QTreeWidget>(*w, "List1_0");
        if (c.current >= 0) list->setCurrentItem(list->topLevelItem(c.current));
        const auto markedAt = [&](TimelineCell cell) {
            const QRect r = view->cellViewRect(cell);
            return view->viewport()->grab().toImage().pixelColor(r.left() + 1, r.center().y()) ==
                   mark;
        };
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        list->setFocus(Qt::OtherFocusReason);
        view->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(view->hasFocus());
        EXPECT_EQ(view->focusCell(), c.marked) << c.current;
        EXPECT_TRUE(markedAt(c.marked)) << c.current;
        list->setFocus(Qt::TabFocusReason);
        EXPECT_FALSE(markedAt(c.marked)) << c.current;
    }
}

// Ticking a hold option or choosing its time changes the image the upload would send; the
// meter follows at once, whether the options dialog or the program changed the settings. One
// lit step is 3 bytes after the 10 header bytes; a hold record is its list position + 2 bytes,
// and a goodbye hold with no goodbye steps takes the place of the goodbye section's end mark.
TEST_F(TimelineWindow, MeterFollowsTheHoldOptions) {
    auto w = startWith({{"1", "", {1, 0, 0, 0}}});
    auto* meter = child<MemoryMeterWidget>(*w, "memoryMeter");
    auto* text = child<QLabel>(*w, "memoryMeterText");
    ASSERT_FALSE(w->vehicleSettings().options().comingHomeAuf.ticked);
    EXPECT_EQ(meter->reading().used, 12);

    // The welcome hold of 30 s, the list's third entry.
    child<QCheckBox>(*w->frmParameter(), "chkCommingHome_Auf")->click();
    ASSERT_TRUE(w->vehicleSettings().options().comingHomeAuf.ticked);
    EXPECT_EQ(meter->reading().used, 16);
    EXPECT_TRUE(text->text().contains(QStringLiteral("(16 von 510 Bytes)")))
        << text->text().toStdString();
    // 120 s, the last entry.
    child<QComboBox>(*w->frmParameter(), "combBegrüßung")->setCurrentIndex(11);
    EXPECT_EQ(meter->reading().used, 25);
    // The goodbye hold through the settings owner, as a file or the program sets it.
    w->session().tickOption(OptionBoxId::ComingHomeZu, true);
    EXPECT_EQ(meter->reading().used, 29);
    w->session().tickOption(OptionBoxId::ComingHomeAuf, false);
    EXPECT_EQ(meter->reading().used, 16);
}

}  // namespace

// On a screen too short for the editor part and every lamp row, the window opens with the first
// eight rows and the cost strip in view; the editor part scrolls for them.
TEST_F(TimelineWindow, OnAShortScreenTheWindowOpensWithEightRowsAndTheCostStrip) {
    auto w = startWith({{"1", "", {0, 0, 0, 0}}, {"1", "", {0, 0, 0, 0}}});
    auto* view = child<TimelineView>(*w, "timelineView");
    auto* editorPart = child<QWidget>(*w, "editorScroll");
    const int screen = w->screen()->availableGeometry().height();
    // The screen is short: the editor part and the whole timeline do not fit on it together.
    ASSERT_GT(editorPart->sizeHint().height() + view->sizeHint().height(), screen);
    const QRect eighth = view->cellViewRect({0, 7});
    EXPECT_TRUE(view->viewport()->rect().contains(eighth)) << eighth.bottom();
    // The cost strip stands below the rows in view, with nothing scrolled: the step's bar is
    // drawn at the bottom of the view.
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);
    const int strip = view->viewport()->height() - TimelineGeometry::footerHeight();
    EXPECT_GE(strip, eighth.bottom());
    const QImage shown = view->viewport()->grab().toImage();
    const int barBottom =
        strip + TimelineGeometry::kCostStripGap + TimelineGeometry::kCostStripHeight - 1;
    EXPECT_EQ(shown.pixelColor(eighth.center().x(), barBottom), QColor(110, 120, 135));
    EXPECT_LE(w->frameGeometry().height(), screen);
}

// The line above the timeline goes up to just below the editor part's first line, its status
// line; the rest of the editor part then scrolls.
TEST_F(TimelineWindow, TheTimelineCanTakeAllButTheEditorPartsFirstLine) {
    auto w = startWith({{"1", "", {0, 0, 0, 0}}});
    auto* splitter = child<QSplitter>(*w, "editorSplitter");
    auto* editorPart = child<QScrollArea>(*w, "editorScroll");
    auto* status = child<QWidget>(*w, "labInfo");
    splitter->setSizes({0, splitter->height()});
    QApplication::processEvents();
    const int firstLine = status->mapTo(editorPart->widget(), QPoint(0, status->height())).y();
    EXPECT_GE(editorPart->height(), firstLine);
    EXPECT_LE(editorPart->height(), firstLine + 8);
    EXPECT_GT(editorPart->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(editorPart->verticalScrollBar()->isVisible());
}

// Ctrl and the wheel zoom about the moment under the mouse: it stays under the mouse.
TEST(TimelineViewZoom, CtrlAndTheWheelKeepTheMomentUnderTheMouse) {
    Document doc;
    for (int i = 0; i < 100; ++i) doc.sequences[0].append({i % 3 ? "1" : "0,3", "", {1, 0, 0, 0}});
    LoneTimeline t(doc);
    TimelineView& view = t.view;
    view.resize(900, 400);
    view.show();
    view.horizontalScrollBar()->setValue(1500);
    const auto momentAt = [&view, &doc](int x) {
        const TimelineGeometry g(doc.sequences[0], view.scale());
        return g.msAtX(contentX(x, view.horizontalScrollBar()->value()));
    };
    const QPoint mouse(600, 100);
    for (int delta : {120, 120, -120, -120, -120}) {
        const double before = momentAt(mouse.x());
        const double scale = view.scale();
        QWheelEvent wheel(mouse, view.viewport()->mapToGlobal(mouse), {}, QPoint(0, delta),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &wheel);
        EXPECT_NE(view.scale(), scale);
        // Within a pixel's worth of time at the finer of the two zooms.
        EXPECT_NEAR(momentAt(mouse.x()), before, 100.0 / std::min(scale, view.scale())) << delta;
    }
}
