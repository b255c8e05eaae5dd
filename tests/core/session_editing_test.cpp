// The editing session without any window: every outcome is seen through its signals.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

#include "files/kvs_writer.h"
#include "platform/settings_store.h"
#include "sequence/loop_marker.h"
#include "session/editing_session.h"
#include "tests/support/fakes.h"
#include "text/language.h"

using namespace vireo;

namespace {

// What the session reported, in order.
struct Reports {
    QList<QList<int>> corners;
    QList<int> rowsChanged;
    QList<std::pair<int, Selection>> selections;
    QList<int> playbackSteps;
    QStringList positions;
    int appendsStarted = 0;
    int appendsFinished = 0;

    explicit Reports(EditingSession& session) {
        QObject::connect(&session, &EditingSession::cornersChanged,
                         [this](const QList<int>& c) { corners << c; });
        QObject::connect(&session, &EditingSession::rowsChanged,
                         [this](int s) { rowsChanged << s; });
        QObject::connect(&session, &EditingSession::selectionChanged,
                         [this](int s, const Selection& sel) {
                             selections.append({s, sel});
                         });
        QObject::connect(&session, &EditingSession::playbackStep,
                         [this](int row) { playbackSteps << row; });
        QObject::connect(&session, &EditingSession::positionChanged,
                         [this](const QString& text) { positions << text; });
        QObject::connect(&session, &EditingSession::autoAppendStarted,
                         [this] { ++appendsStarted; });
        QObject::connect(&session, &EditingSession::autoAppendFinished,
                         [this] { ++appendsFinished; });
    }
};

class EditingSessionTest : public ::testing::Test {
  protected:
    void SetUp() override { session.applyModel(); }

    MemorySettingsStore store;
    test::FakePrompter prompter;
    test::FakeClock clock;
    EditingSession session{store, prompter, LanguageTable::builtIn(), clock};
    Reports reports{session};
};

// Twips on the front-left picture of model 111: the amber strip, bit 0 of corner 2.
constexpr float kStripX = 2000;
constexpr float kStripY = 2000;

TEST_F(EditingSessionTest, ALampClickTogglesItsBitAndRedrawsItsCorner) {
    session.pictureMouse(2, kLeftButton, kStripX, kStripY, EditOptions{true, false});
    EXPECT_EQ(session.lamps(), (LampBytes{0, 1, 0, 0}));
    ASSERT_FALSE(reports.corners.isEmpty());
    EXPECT_EQ(reports.corners.last(), QList<int>{2});

    // With "Autom." the step is appended after its moment, and the lamps go off.
    session.pictureMouse(2, kLeftButton, kStripX, kStripY, EditOptions{true, true});
    EXPECT_EQ(reports.appendsStarted, 1);
    EXPECT_EQ(reports.appendsFinished, 1);
    EXPECT_EQ(clock.waits.back(), 200);
    ASSERT_EQ(session.document().sequences[0].size(), 1);
    EXPECT_EQ(session.document().sequences[0][0].lamps, (LampBytes{0, 0, 0, 0}));  // toggled off
    EXPECT_EQ(session.lamps(), (LampBytes{0, 0, 0, 0}));
}

TEST_F(EditingSessionTest, TableEditsAndUndoAreReportedWithTheirSelection) {
    session.setOnTime(15);
    session.pictureMouse(2, kLeftButton, kStripX, kStripY, EditOptions{});
    session.appendStep();
    session.appendStep();
    const Sequence& rows = session.document().sequences[0];
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], (Step{"1,5", "", {0, 1, 0, 0}}));
    EXPECT_EQ(rows[1], (Step{"1,5", "", {0, 0, 0, 0}}));
    EXPECT_EQ(reports.rowsChanged, (QList<int>{0, 0}));
    EXPECT_EQ(reports.selections.last().first, 0);  // each commit reports its selection

    // "Ändern" on the first row, chosen as the user would.
    session.setSelection(0, Selection{{0}, 0});
    session.setOnTime(3);
    session.changeRows();
    EXPECT_EQ(session.document().sequences[0][0].time, "0,3");

    // The goodbye sequence takes its own rows; undo of the welcome change shows the welcome.
    session.chooseSequence(1);
    session.appendStep();
    EXPECT_EQ(session.document().sequences[1].size(), 1);
    session.undo();
    session.undo();
    EXPECT_EQ(session.activeSequence(), 0);
    EXPECT_EQ(session.document().sequences[0][0].time, "1,5");
    EXPECT_EQ(reports.rowsChanged.last(), 0);

    // A click on a row shows its lamps and position.
    session.setSelection(0, Selection{{0}, 0});
    session.showStep();
    EXPECT_EQ(session.lamps(), (LampBytes{0, 1, 0, 0}));
    EXPECT_EQ(reports.positions.last(), "Position 1");
}

TEST_F(EditingSessionTest, SymmetricEditingIsRememberedAndAppliesToClicks) {
    EXPECT_FALSE(session.symmetric());
    QList<bool> reported;
    QObject::connect(&session, &EditingSession::symmetricChanged, [&](bool on) { reported << on; });
    session.setSymmetric(true);
    EXPECT_EQ(store.read("Symmetrisch"), "1");
    EXPECT_EQ(reported, QList<bool>{true});
    // The window's options never switch it off.
    session.pictureMouse(2, kLeftButton, kStripX, kStripY, EditOptions{true, false, false});
    EXPECT_EQ(session.lamps(), (LampBytes{1, 1, 0, 0}));
    EXPECT_EQ(reports.corners.last(), QList<int>{2});

    EditingSession next{store, prompter, LanguageTable::builtIn(), clock};
    EXPECT_TRUE(next.symmetric());
    next.setSymmetric(false);
    EXPECT_EQ(store.read("Symmetrisch"), "0");
    EXPECT_FALSE(EditingSession(store, prompter, LanguageTable::builtIn(), clock).symmetric());
}

TEST_F(EditingSessionTest, TransformsAndPatternsAreOneUndoStepEachAndUndoRestoresTheBytes) {
    Document doc;
    doc.sequences[0] = {{"0,5", "", {1, 0, 0, 0}}, {"1", "", {0, 2, 4, 0}}};
    doc.sequences[1] = {{"2", "", {0, 0, 0, 8}}};
    session.editor().reset(doc);
    const QByteArray original = kvsBytes(doc);
    PatternChoice blink{PatternKind::Blink, {PatternLamp{1, 0}}, LampOrder::Picked, 3, 2};
    prompter.inputAnswers = {QString("x"), QString("1,5")};
    prompter.questionAnswers = {true};

    struct Case {
        const char* undoText;
        std::function<void()> run;
        Sequence welcome;
        Sequence goodbye;
    };
    const QString loop = loopMarker(1, 2);
    const Case cases[] = {
        {"Spiegeln (links/rechts)",
         [&] { session.mirrorRows(); },
         {{"0,5", "", {0, 1, 0, 0}}, {"1", "", {2, 0, 0, 4}}},
         doc.sequences[1]},
        {"Umkehren",
         [&] { session.reverseRows(); },
         {{"1", "", {0, 2, 4, 0}}, {"0,5", "", {1, 0, 0, 0}}},
         doc.sequences[1]},
        {"Zeiten strecken",
         [&] { session.stretchRows(); },  // "x" is refused, then 1,5
         {{"0,8", "", {1, 0, 0, 0}}, {"1,5", "", {0, 2, 4, 0}}},
         doc.sequences[1]},
        {"Muster einfügen",
         [&] { session.insertPattern(blink); },
         {{"0,5", "", {1, 0, 0, 0}},
          {"1", "", {0, 2, 4, 0}},
          {"0,3", loop, {1, 0, 0, 0}},
          {"0,3", loop, {0, 0, 0, 0}}},
         doc.sequences[1]},
        {"Schliessen aus Öffnen",
         [&] { session.goodbyeFromWelcome(); },
         doc.sequences[0],
         {{"1", "", {0, 2, 4, 0}}, {"0,5", "", {1, 0, 0, 0}}}},
    };
    for (const Case& c : cases) {
        session.chooseSequence(0);
        c.run();
        EXPECT_EQ(session.document().sequences[0], c.welcome) << c.undoText;
        EXPECT_EQ(session.document().sequences[1], c.goodbye) << c.undoText;
        EXPECT_EQ(session.editor().undoStack()->count(), 1) << c.undoText;
        EXPECT_EQ(session.editor().undoStack()->undoText(), QString::fromUtf8(c.undoText));
        session.undo();
        EXPECT_EQ(kvsBytes(session.document()), original) << c.undoText;
        session.editor().undoStack()->clear();
    }
    EXPECT_EQ(session.activeSequence(), 1);  // the goodbye change and its undo show the goodbye
    EXPECT_EQ(prompter.count("input"), 2);
    EXPECT_EQ(prompter.count("question"), 1);
}

TEST_F(EditingSessionTest, ReverseNumbersTheLoopsInRowOrderInItsOwnUndoStep) {
    const QString one = loopMarker(1, 3), two = loopMarker(2, 2);
    Document doc;
    doc.sequences[0] = {{"1", one, {1, 0, 0, 0}},
                        {"1", one, {2, 0, 0, 0}},
                        {"2", two, {4, 0, 0, 0}},
                        {"2", two, {8, 0, 0, 0}}};
    session.editor().reset(doc);
    session.reverseRows();
    const Sequence& rows = session.document().sequences[0];
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].lamps, (LampBytes{8, 0, 0, 0}));
    EXPECT_EQ(rows[0].loop, loopMarker(1, 2));
    EXPECT_EQ(rows[3].loop, loopMarker(2, 3));
    EXPECT_EQ(session.editor().undoStack()->count(), 1);
    session.undo();
    EXPECT_EQ(session.document().sequences[0], doc.sequences[0]);
}

TEST_F(EditingSessionTest, AfterReverseThePicturesShowTheSelectedRow) {
    Document doc;
    doc.sequences[0] = {{"1", "", {1, 0, 0, 0}}, {"1", "", {2, 0, 0, 0}}, {"1", "", {4, 0, 0, 0}}};
    session.editor().reset(doc);
    session.setSelection(0, Selection{{0, 1}, 0});
    session.showStep();
    EXPECT_EQ(session.lamps(), (LampBytes{1, 0, 0, 0}));
    session.reverseRows();
    EXPECT_EQ(session.document().sequences[0][0].lamps, (LampBytes{2, 0, 0, 0}));
    EXPECT_EQ(session.lamps(), (LampBytes{2, 0, 0, 0}));
    EXPECT_EQ(reports.positions.last(), "Position 1");
}

// Each row stays for its on-time after the half second of darkness; the step after the last
// row ends playback dark and deselected.
TEST_F(EditingSessionTest, PlaybackStepsAtTheRowsOnTimes) {
    Document doc;
    doc.sequences[0] = {{"0,1", "", {1, 0, 0, 0}}, {"0,2", "", {0, 2, 0, 0}}};
    session.editor().reset(doc);
    QList<std::pair<qint64, int>> steps;  // (time, row shown) at every change of the row
    QObject::connect(&session, &EditingSession::playbackStep, [&](int row) {
        if (steps.isEmpty() || steps.last().second != row) steps.append({clock.now, row});
    });
    session.playFromStart();
    EXPECT_TRUE(session.playbackRunning());
    EXPECT_EQ(clock.waits.back(), 500);  // darkness before the first row, as a timer
    EXPECT_EQ(session.lamps(), (LampBytes{1, 0, 0, 0}));
    clock.advance(99);
    EXPECT_EQ(session.lamps(), (LampBytes{1, 0, 0, 0}));
    clock.advance(1000);
    EXPECT_FALSE(session.playbackRunning());
    EXPECT_FALSE(clock.timerActive());
    const QList<std::pair<qint64, int>> expected = {{500, 0}, {600, 1}, {800, -1}};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(session.lamps(), (LampBytes{0, 0, 0, 0}));
    EXPECT_TRUE(session.activeSelection().rows.isEmpty());

    // A stop ends the steps at once.
    session.playFromStart();
    session.stopPlayback();
    EXPECT_FALSE(clock.timerActive());
}

// A real timer: the automatic append waits its moment without blocking, and a playback step
// that falls due meanwhile does not touch the lamps about to be appended.
TEST(EditingSessionTimers, TheAutomaticAppendWaitsWithoutBlocking) {
    MemorySettingsStore store;
    test::FakePrompter prompter;
    EditingSession session(store, prompter, LanguageTable::builtIn(), systemClock());
    Reports reports(session);
    session.applyModel();
    session.pictureMouse(2, kLeftButton, kStripX, kStripY, EditOptions{true, true});
    EXPECT_TRUE(session.autoAppendPending());
    EXPECT_EQ(reports.appendsFinished, 0);
    EXPECT_TRUE(session.document().sequences[0].isEmpty());
    const QDeadlineTimer deadline(5000);
    while (session.autoAppendPending() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(reports.appendsFinished, 1);
    ASSERT_EQ(session.document().sequences[0].size(), 1);
    EXPECT_EQ(session.document().sequences[0][0].lamps, (LampBytes{0, 1, 0, 0}));
}

// The playback on the real clock's timer: it steps through the rows and ends by itself.
TEST(EditingSessionTimers, PlaybackRunsToItsEndOnTheRealTimer) {
    MemorySettingsStore store;
    test::FakePrompter prompter;
    EditingSession session(store, prompter, LanguageTable::builtIn(), systemClock());
    Reports reports(session);
    Document doc;
    doc.sequences[0] = {{"0,1", "", {1, 0, 0, 0}}, {"0,1", "", {0, 2, 0, 0}}};
    session.editor().reset(doc);
    session.playFromStart();
    EXPECT_TRUE(session.playbackRunning());
    const QDeadlineTimer deadline(5000);
    while (session.playbackRunning() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_FALSE(session.playbackRunning());
    EXPECT_TRUE(reports.playbackSteps.contains(0));
    EXPECT_TRUE(reports.playbackSteps.contains(1));
    EXPECT_EQ(reports.playbackSteps.last(), -1);
    EXPECT_EQ(session.lamps(), (LampBytes{0, 0, 0, 0}));
}

}  // namespace

namespace {
Sequence blinkRows(int count) {
    Sequence rows;
    for (int i = 0; i < count; ++i)
        rows << Step{"0,5", "", {1, 0, 0, 0}} << Step{"0,5", "", {0, 0, 0, 0}};
    return rows;
}
}  // namespace

TEST_F(EditingSessionTest, CompactingIsOneUndoableStepAskedForFirst) {
    Document d;
    d.sequences[kWelcome] = blinkRows(5);
    d.sequences[kGoodbye] = {Step{"0,5", "", {1, 2, 0, 0}}, Step{"0,5", "", {1, 2, 0, 0}},
                             Step{"0,5", "", {0, 0, 3, 0}}};
    session.editor().reset(d);

    // The plan changes nothing yet and carries the figures to ask with.
    const DocumentCompaction active = session.planCompaction(false);
    EXPECT_EQ(session.document(), d);
    ASSERT_TRUE(active.sequences[kWelcome].has_value());
    EXPECT_FALSE(active.sequences[kGoodbye].has_value());
    EXPECT_EQ(active.sequences[kWelcome]->bytesBefore, 16);
    EXPECT_EQ(active.sequences[kWelcome]->bytesAfter, 6);
    EXPECT_EQ(active.imageBefore, 9 + 16 + 9);
    EXPECT_EQ(active.imageAfter, 9 + 6 + 9);

    const DocumentCompaction both = session.planCompaction(true);
    EXPECT_EQ(both.imageAfter, 9 + 6 + 7);
    ASSERT_TRUE(session.applyCompaction(both));
    EXPECT_EQ(session.document().sequences[kWelcome].size(), 2);
    EXPECT_EQ(session.document().sequences[kGoodbye].size(), 2);
    // Both sequences come back with one undo.
    EXPECT_EQ(session.editor().undoStack()->count(), 1);
    EXPECT_EQ(session.editor().undoStack()->undoText(), QStringLiteral("Sequenz verdichten"));
    session.undo();
    EXPECT_EQ(session.document(), d);

    // A plan for rows that changed since is not applied; nor is one that wins nothing.
    session.appendStep();
    EXPECT_FALSE(session.applyCompaction(both));
    session.editor().reset({});
    EXPECT_FALSE(session.planCompaction(true).changed());
    EXPECT_FALSE(session.applyCompaction(session.planCompaction(true)));
    EXPECT_EQ(session.editor().undoStack()->count(), 0);
}
