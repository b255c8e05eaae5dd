#include <gtest/gtest.h>

#include "sequence/loop_marker.h"
#include "simulation/loop_table.h"
#include "simulation/playback_lines.h"
#include "simulation/playback_machine.h"
#include "tests/core/sequence_fixtures.h"

using namespace vireo;
using namespace vireo::test;
using Kind = PlaybackAction::Kind;

namespace {

Sequence rowsOf(std::initializer_list<std::pair<const char*, QString>> rows) {
    Sequence s;
    for (const auto& [time, marker] : rows) s.append(Step{time, marker, {}});
    return s;
}

PlaybackAction act(Kind kind, int row = -1, int ms = 0) {
    return PlaybackAction{kind, row, ms, {}, {}};
}
PlaybackAction captions(const QString& a, const QString& b) {
    return PlaybackAction{Kind::SetCaptions, -1, 0, a, b};
}

}  // namespace

TEST(Playback, OrderOfShownRowsAndIntervals) {
    const QString L3 = loopMarker(1, 3), L2 = loopMarker(1, 2), M2 = loopMarker(2, 2);
    const QString once = loopMarker(1, 1), endless = loopMarker(1, 0);
    const struct {
        const char* name;
        Sequence rows;
        int from;
        QString lines;
    } cases[] = {
        {"no loops", rowsOf({{"0,5", ""}, {"1", ""}, {"2", ""}}), 0, "1 500|2 1000|3 2000"},
        {"loop 2-3 x3", rowsOf({{"1", ""}, {"1", L3}, {"1", L3}, {"1", ""}}), 0,
         "1 1000|2 1000|3 1000|2 1000|3 1000|2 1000|3 1000|4 1000"},
        {"loop to the last row", rowsOf({{"1", ""}, {"1", L2}, {"1", L2}}), 0,
         "1 1000|2 1000|3 1000|2 1000|3 1000"},
        {"adjacent loops", rowsOf({{"1", L2}, {"1", L2}, {"1", M2}, {"1", M2}}), 0,
         "1 1000|2 1000|1 1000|2 1000|3 1000|4 1000|3 1000|4 1000"},
        {"start inside a loop", rowsOf({{"1", L2}, {"1", L2}, {"1", L2}, {"1", ""}}), 1,
         "2 1000|3 1000|1 1000|2 1000|3 1000|4 1000"},
        {"start between loops", rowsOf({{"1", L2}, {"1", L2}, {"1", ""}, {"1", M2}, {"1", M2}}), 2,
         "3 1000|4 1000|5 1000|4 1000|5 1000"},
        {"start after the last loop", rowsOf({{"1", L2}, {"1", L2}, {"1", ""}, {"1", ""}}), 2,
         "3 1000|4 1000"},
        {"start on the last row", rowsOf({{"1", ""}, {"2", ""}}), 1, "2 2000"},
        {"one row", rowsOf({{"1", ""}}), 0, "1 1000"},
        {"count 1", rowsOf({{"1", once}, {"1", once}, {"1", ""}}), 0, "1 1000|2 1000|3 1000"},
        {"count 0", rowsOf({{"1", endless}, {"2", endless}, {"1", ""}}), 0,
         "1 1000|2 2000|1 1000|2 2000|1 1000|2 2000"},
        {"comma and point", rowsOf({{"1,5", ""}, {"1.5", ""}}), 0, "1 1500|2 1500"},
        {"start beyond the table", rowsOf({{"1", ""}}), 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(playbackLines(c.rows, c.from, 6).join('|'),
                  QStringList(c.lines.split('|').mid(0, 6)).join('|'))
            << c.name;
}

TEST(Playback, ActionsOfARunWithoutLoops) {
    PlaybackMachine m(numberedLanguage());
    const Sequence rows = rowsOf({{"0,5", ""}, {"1", ""}});
    EXPECT_EQ(m.pressPlayFromStart(rows),
              PlaybackActions({act(Kind::DeselectAll), captions("E232", "E232"),
                               act(Kind::LampsOff), act(Kind::Pause, -1, 500)}));
    EXPECT_TRUE(m.isRunning());
    EXPECT_EQ(m.tick(), PlaybackActions({act(Kind::StartTimer, -1, 500), act(Kind::SelectRow, 0),
                                         act(Kind::ShowRow, 0)}));
    EXPECT_EQ(m.tick(), PlaybackActions({act(Kind::DeselectRow, 0), act(Kind::SelectRow, 1),
                                         act(Kind::ShowRow, 1), act(Kind::StartTimer, -1, 1000)}));
    EXPECT_EQ(m.tick(), PlaybackActions({act(Kind::StopTimer), act(Kind::DeselectRow, 1),
                                         captions("E20", "E21"), act(Kind::LampsOff)}));
    EXPECT_FALSE(m.isRunning());
    EXPECT_TRUE(m.tick().isEmpty());
}

TEST(Playback, EndThroughTheLastLoopShowsEntries20And21AndLeavesNothingSelected) {
    PlaybackMachine m(numberedLanguage());
    const QString L = loopMarker(1, 2);
    m.start(rowsOf({{"1", L}, {"1", L}}), 0);
    PlaybackActions last;
    for (int i = 0; i < 5 && m.isRunning(); ++i) last = m.tick();
    EXPECT_FALSE(m.isRunning());
    EXPECT_EQ(last, PlaybackActions({act(Kind::DeselectRow, 1), act(Kind::StopTimer),
                                     captions("E20", "E21"), act(Kind::LampsOff)}));
}

TEST(Playback, EitherButtonStopsARunningPlayback) {
    const Sequence rows = rowsOf({{"1", ""}, {"1", ""}, {"1", ""}});
    const PlaybackActions stopped{captions("Simula&tion |>", "Simulati&on >>"),
                                  act(Kind::StopTimer), act(Kind::LampsOff)};
    PlaybackMachine m;
    m.pressPlayFromStart(rows);
    m.tick();
    EXPECT_EQ(m.pressPlayFromStart(rows), PlaybackActions{act(Kind::DeselectAll)} + stopped);
    EXPECT_TRUE(m.tick().isEmpty());

    EXPECT_TRUE(m.pressPlayFromHere(rows, {}).isEmpty());  // nothing selected: nothing to play
    m.pressPlayFromHere(rows, positions({2, 3}));
    EXPECT_EQ(m.tick()[1], act(Kind::SelectRow, 1));
    EXPECT_EQ(m.pressPlayFromHere(rows, {}), stopped);
    // Stopped during the pause of darkness, the first tick shows nothing.
    m.pressPlayFromStart(rows);
    m.stop();
    EXPECT_TRUE(m.tick().isEmpty());
}

// Stopped and started again inside its pause of darkness: the old pause's end must not advance
// the new run, which starts at its first row.
TEST(Playback, APauseThatOutlivesItsRunLeavesTheNextRunAlone) {
    const Sequence rows = rowsOf({{"1", ""}, {"2", ""}, {"3", ""}});
    PlaybackMachine m;
    m.pressPlayFromStart(rows);
    const int first = m.runNumber();
    m.pressPlayFromStart(rows);  // stop, inside the pause
    m.pressPlayFromStart(rows);  // and start again
    const int second = m.runNumber();
    EXPECT_NE(first, second);
    const PlaybackActions shown = m.endPause(second);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[1], act(Kind::SelectRow, 0));
    EXPECT_TRUE(m.endPause(first).isEmpty());   // the old pause ends after the new one
    EXPECT_TRUE(m.endPause(second).isEmpty());  // a first row is shown only once
    EXPECT_EQ(m.tick()[1], act(Kind::SelectRow, 1));
}

TEST(LoopTable, EveryRunOfAMarkerIsALoop) {
    const QString L = loopMarker(1, 3), M = loopMarker(2, 12);
    const Sequence rows = rowsOf({{"1", L}, {"1", L}, {"1", ""}, {"1", L}, {"1", L}, {"1", M}});
    EXPECT_EQ(buildLoopTable(rows), QVector<PlaybackLoop>({{0, 1, 3}, {3, 4, 3}, {5, 5, 12}}));
    EXPECT_EQ(markerRepeatCount("S  1 / 20 x"), 20);
    EXPECT_EQ(markerRepeatCount("S  1 / x"), 0);
}
