#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>

#include "image/image_cost.h"
#include "sequence/loop_marker.h"
#include "show/sequence_compaction.h"
#include "simulation/shown_lamps.h"
#include "tests/core/image_fixtures.h"

using namespace vireo;
using namespace vireo::test;

namespace {

using Status = CompactionResult::Status;

constexpr LampBytes kLit{1, 0, 0, 0};
constexpr LampBytes kDark{0, 0, 0, 0};

// A blink of 0,5 s on and 0,5 s dark, `count` times one after the other.
Sequence blinks(int count) {
    Sequence rows;
    for (int i = 0; i < count; ++i) rows << row("0,5", kLit) << row("0,5", kDark);
    return rows;
}

int loopCount(const Sequence& rows) {
    return markedRunCount(rows);
}

// The rows as playback runs them, one after the other, loops gone.
Sequence playedOut(const Sequence& rows) {
    Sequence played;
    for (int r = 0; r < rows.size();) {
        int last = r;
        while (!rows[r].loop.isEmpty() && last + 1 < rows.size() &&
               rows[last + 1].loop == rows[r].loop)
            ++last;
        const long long passes = rows[r].loop.isEmpty() ? 1 : markerRepeatCount(rows[r].loop);
        for (long long k = 0; k < passes; ++k)
            for (int i = r; i <= last; ++i) played << Step{rows[i].time, {}, rows[i].lamps};
        r = last + 1;
    }
    return played;
}

void expectSameShow(const Sequence& before, const Sequence& after) {
    const auto a = shownLamps(before, kMaxCompactedPlaybackSteps);
    const auto b = shownLamps(after, kMaxCompactedPlaybackSteps);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(*a, *b);
}

}  // namespace

TEST(SequenceCompaction, HandMadeCases) {
    const struct {
        const char* name;
        Sequence rows;
        Status status;
        int before;
        int after;
        Sequence expected;  // empty: not checked row by row
    } cases[] = {
        {"a blink copied five times becomes one loop",
         blinks(5),
         Status::Compacted,
         16,
         6,
         {row("0,5", kLit, "S  1 / 5 x"), row("0,5", kDark, "S  1 / 5 x")}},
        {"a dark pause split in two stays two steps",
         {row("0,5", kLit), row("0,5", kDark), row("0,5", kDark), row("0,5", {0, 2, 0, 0})},
         Status::NothingWon,
         7,
         7,
         {}},
        {"two neighbouring identical steps merge",
         {row("0,5", {1, 2, 0, 0}), row("0,5", {1, 2, 0, 0}), row("0,5", {0, 0, 3, 0})},
         Status::Compacted,
         9,
         7,
         {row("1", {1, 2, 0, 0}), row("0,5", {0, 0, 3, 0})}},
        {"a run repeated 25 times becomes two loops", blinks(25), Status::Compacted, 76, 11, {}},
        {"a run repeated 21 times becomes a loop and a copy",
         blinks(21),
         Status::Compacted,
         64,
         9,
         {}},
        {"a loop never starts on a dark step",
         Sequence{row("0,5", kDark)} + blinks(4) + Sequence{row("0,5", kLit)},
         Status::Compacted,
         16,
         9,
         {row("0,5", kDark), row("0,5", kLit, "S  1 / 4 x"), row("0,5", kDark, "S  1 / 4 x"),
          row("0,5", kLit)}},
        {"merged steps hold at most 10 s",
         {row("4", kLit), row("4", kLit), row("4", kLit)},
         Status::Compacted,
         7,
         6,
         {}},
        {"a long run is split anew into steps of at most 10 s",
         {row("6", kLit), row("6", kLit), row("6", kLit)},
         Status::Compacted,
         7,
         6,
         {}},
        {"the rest of a long run goes first when it saves a time byte",
         {row("8", kLit), row("6", kDark), row("6", kDark), row("6", kDark), row("1", kLit)},
         Status::Compacted,
         3 + 2 + 1 + 1 + 3,
         3 + 1 + 2 + 3,
         {row("8", kLit), row("8", kDark), row("10", kDark), row("1", kLit)}},
        {"a loop already the smallest stays",
         {row("0,5", kLit, "S  1 / 5 x"), row("0,5", kDark, "S  1 / 5 x")},
         Status::NothingWon,
         6,
         6,
         {}},
        {"a loop that repeats until stopped has no image",
         {row("1", kLit, "S  1 / 0 x"), row("1", kDark, "S  1 / 0 x")},
         Status::CannotBuild,
         0,
         0,
         {}},
        {"an on-time the image cannot hold",
         {row("30", kLit), row("30", kLit)},
         Status::CannotBuild,
         0,
         0,
         {}},
        {"nothing at all", {}, Status::NothingWon, 0, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CompactionResult result = compactSequence(c.rows);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.bytesBefore, c.before);
        EXPECT_EQ(result.bytesAfter, c.after);
        if (!c.expected.isEmpty()) EXPECT_EQ(result.rows, c.expected);
        if (!result.changed()) EXPECT_EQ(result.rows, c.rows);
        if (c.status == Status::Compacted) {
            EXPECT_EQ(sequenceImageBytes(result.rows).value_or(-1), c.after);
            expectSameShow(c.rows, result.rows);
            EXPECT_TRUE(keepsLoopRules(result.rows));
            for (const Step& step : result.rows)
                EXPECT_LE(step.time.ms(), 10000) << step.time.text().toStdString();
        }
    }
}

TEST(SequenceCompaction, APlaybackTooLongToSearchStaysAsItIs) {
    // Seven loops of 32 rows played 99 times: 22176 steps.
    Sequence rows;
    for (int loop = 1; loop <= 7; ++loop)
        for (int r = 0; r < 32; ++r)
            rows << row("1", {r + 1, loop, 0, 0}, qPrintable(loopMarker(loop, 99)));
    const CompactionResult result = compactSequence(rows);
    EXPECT_EQ(result.status, Status::Endless);
    EXPECT_EQ(result.rows, rows);
    EXPECT_EQ(result.bytesAfter, result.bytesBefore);
}

TEST(SequenceCompaction, RepeatsBeyondTwentyPassesUseTwoLoops) {
    const CompactionResult result = compactSequence(blinks(25));
    EXPECT_EQ(result.rows.size(), 4);
    EXPECT_EQ(loopCount(result.rows), 2);
    EXPECT_EQ(result.rows[2].loop.left(4), QStringLiteral("S  2"));
}

TEST(SequenceCompaction, LoopsEndByRow255) {
    // 300 different steps, then a blink five times: the loop would end past row 255, so it
    // stays unrolled (merging is still possible: nothing else is to win).
    Sequence rows;
    for (int i = 0; i < 300; ++i) rows << row(i % 2 ? "1" : "2", {i % 60 + 1, 0, 0, 0});
    rows += blinks(5);
    const CompactionResult result = compactSequence(rows);
    EXPECT_EQ(result.status, Status::NothingWon);

    Sequence early = blinks(5) + rows;
    const CompactionResult fits = compactSequence(early);
    EXPECT_EQ(fits.status, Status::Compacted);
    EXPECT_EQ(loopCount(fits.rows), 1);
    EXPECT_TRUE(keepsLoopRules(fits.rows));
}

TEST(SequenceCompaction, LoopRules) {
    const struct {
        const char* name;
        Sequence rows;
        bool keeps;
    } cases[] = {
        {"numbered from 1 in row order",
         {row("1", kLit, "S  1 / 2 x"), row("1", kDark, "S  1 / 2 x"), row("1", kLit, "S  2 / 3 x"),
          row("1", kDark, "S  2 / 3 x")},
         true},
        {"numbers out of order",
         {row("1", kLit, "S  2 / 2 x"), row("1", kDark, "S  2 / 2 x")},
         false},
        {"one row", {row("1", kLit, "S  1 / 2 x"), row("1", kDark)}, false},
        {"starts dark", {row("1", kDark, "S  1 / 2 x"), row("1", kLit, "S  1 / 2 x")}, false},
        {"21 passes", {row("1", kLit, "S  1 / 21 x"), row("1", kDark, "S  1 / 21 x")}, false},
        {"one pass", {row("1", kLit, "S  1 / 1 x"), row("1", kDark, "S  1 / 1 x")}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(keepsLoopRules(c.rows), c.keeps);
    }
}

// Random sequences with random loops: compacting them, and compacting their rows played out,
// keeps the show, keeps the loop rules, merges no step past 10 s and is never bigger than the
// input; the played-out rows compact to no more than the looped input, which is one way a user
// could have folded them by hand.
TEST(SequenceCompaction, RandomSequencesKeepTheirShow) {
    std::mt19937 random(20261210);
    const LampBytes palette[] = {kDark, kLit, {0, 3, 0, 0}, {0, 0, 16, 16}, {5, 5, 5, 5}};
    const char* times[] = {"0,5", "1", "0,3", "0", "2,5"};
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        const int count = 1 + int(random() % 24);
        Sequence rows;
        // Repeated phrases make loops worth finding.
        while (rows.size() < count) {
            const int phrase = 1 + int(random() % 3);
            const int copies = 1 + int(random() % 4);
            Sequence p;
            for (int i = 0; i < phrase; ++i) p << row(times[random() % 5], palette[random() % 5]);
            for (int k = 0; k < copies; ++k) rows += p;
        }
        // Lay loops over some lit runs of 2 to 4 rows, as the loop command would.
        int number = 0;
        for (int r = 0; r + 1 < rows.size() && number < 3;) {
            const int length = 2 + int(random() % 3);
            if (random() % 3 == 0 && r + length <= rows.size() && rows[r].lamps != kDark) {
                ++number;
                const QString marker = loopMarker(number, 2 + int(random() % 3));
                for (int i = r; i < r + length; ++i) rows[i].loop = marker;
                r += length;
            } else {
                ++r;
            }
        }
        ASSERT_TRUE(keepsLoopRules(rows));

        const CompactionResult looped = compactSequence(rows);
        ASSERT_NE(looped.status, Status::CheckFailed);
        EXPECT_LE(looped.bytesAfter, looped.bytesBefore);
        EXPECT_EQ(sequenceImageBytes(looped.rows).value_or(-1), looped.bytesAfter);
        expectSameShow(rows, looped.rows);

        const Sequence played = playedOut(rows);
        const CompactionResult flat = compactSequence(played);
        ASSERT_NE(flat.status, Status::CheckFailed);
        expectSameShow(rows, flat.rows);
        EXPECT_LE(flat.bytesAfter, looped.bytesBefore);
        EXPECT_TRUE(keepsLoopRules(flat.rows));
        for (const Step& step : flat.rows) {
            bool fromInput = false;
            for (const Step& in : played) fromInput = fromInput || in.time == step.time;
            if (!fromInput)
                EXPECT_LE(step.time.ms(), kMaxMergedStepMs) << step.time.text().toStdString();
        }
    }
}

namespace {

// The fewest bytes of any folding the loop command could make of plain rows: loops laid over
// runs of 2 or more rows that follow each other unchanged 2 to 20 times, numbered in order,
// never on a dark first row. Tries them all, so only for a few rows.
int smallestHandFolding(const Sequence& rows) {
    int best = std::numeric_limits<int>::max();
    std::function<void(int, const Sequence&, int)> walk = [&](int i, const Sequence& out,
                                                              int loops) {
        if (i == rows.size()) {
            if (const int bytes = sequenceImageBytes(out).value_or(-1); bytes >= 0)
                best = std::min(best, bytes);
            return;
        }
        walk(i + 1, out + Sequence{rows[i]}, loops);
        if (rows[i].lamps == kDark) return;
        for (int length = 2; i + 2 * length <= rows.size(); ++length) {
            for (int passes = 2; passes <= 20 && i + passes * length <= rows.size(); ++passes) {
                if (rows.mid(i + (passes - 1) * length, length) != rows.mid(i, length)) break;
                Sequence body = rows.mid(i, length);
                for (Step& s : body) s.loop = loopMarker(loops + 1, passes);
                walk(i + passes * length, out + body, loops + 1);
            }
        }
    };
    walk(0, {}, 0);
    return best;
}

}  // namespace

TEST(SequenceCompaction, NeverBiggerThanAnyFoldingByHand) {
    std::mt19937 random(4711);
    const LampBytes palette[] = {kDark, kLit, {0, 3, 0, 0}, {0, 0, 16, 16}};
    const char* times[] = {"0,5", "1", "0,3"};
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE(round);
        Sequence rows;
        while (rows.size() < 10) {
            Sequence phrase;
            for (int i = 1 + int(random() % 3); i > 0; --i)
                phrase << row(times[random() % 3], palette[random() % 4]);
            for (int k = 1 + int(random() % 4); k > 0; --k) rows += phrase;
        }
        rows.resize(10 + int(random() % 3));
        const CompactionResult result = compactSequence(rows);
        EXPECT_LE(result.bytesAfter, smallestHandFolding(rows));
    }
}

namespace {

// A row of the given on-time and lamps.
Step timedRow(const OnTime& time, const LampBytes& lamps) {
    return Step{time, QString(), lamps};
}

// Every way of writing rows i..end-1 as steps: neighbours with the same lamps merged (up to
// 10 s, or one row alone), each way handed to `done` with its steps.
void everyGrouping(const Sequence& rows, int i, int end, Sequence out,
                   const std::function<void(const Sequence&)>& done) {
    if (i == end) {
        done(out);
        return;
    }
    qint64 ms = 0;
    for (int j = i; j < end && rows[j].lamps == rows[i].lamps; ++j) {
        ms += rows[j].time.ms();
        if (j > i && ms > kMaxMergedStepMs) break;
        everyGrouping(
            rows, j + 1, end,
            out + Sequence{timedRow(j == i ? rows[i].time : OnTime::ofMs(ms), rows[i].lamps)},
            done);
    }
}

// The fewest bytes over the whole room the compaction searches, tried one by one: merges,
// the rest of a long run as 10 s steps and a rest, and loops over repeated rows whose body is
// merged in any way.
int smallestBySearchingAll(const Sequence& rows) {
    int best = std::numeric_limits<int>::max();
    const int n = rows.size();
    std::function<void(int, const Sequence&, int)> walk = [&](int i, const Sequence& out,
                                                              int loops) {
        if (i == n) {
            if (const int bytes = sequenceImageBytes(out).value_or(-1); bytes >= 0)
                best = std::min(best, bytes);
            return;
        }
        int runEnd = i;
        qint64 runMs = 0;
        while (runEnd < n && rows[runEnd].lamps == rows[i].lamps) runMs += rows[runEnd++].time.ms();
        // Plain steps, one at a time.
        qint64 ms = 0;
        for (int j = i; j < runEnd; ++j) {
            ms += rows[j].time.ms();
            if (j > i && ms > kMaxMergedStepMs) break;
            walk(j + 1,
                 out + Sequence{timedRow(j == i ? rows[i].time : OnTime::ofMs(ms), rows[i].lamps)},
                 loops);
        }
        if (runEnd - i >= 2 && runMs > kMaxMergedStepMs) {
            Sequence full;
            for (qint64 k = 0; k < runMs / kMaxMergedStepMs; ++k) full << row("10", rows[i].lamps);
            const Sequence rest{timedRow(OnTime::ofMs(runMs % kMaxMergedStepMs), rows[i].lamps)};
            const bool anyRest = runMs % kMaxMergedStepMs > 0;
            walk(runEnd, out + (anyRest ? rest : Sequence{}) + full, loops);
            walk(runEnd, out + full + (anyRest ? rest : Sequence{}), loops);
        }
        if (rows[i].lamps == kDark) return;
        const auto same = [&](int a, int b) {
            return rows[a].lamps == rows[b].lamps && rows[a].time.ms() == rows[b].time.ms();
        };
        for (int length = 1; i + 2 * length <= n; ++length) {
            for (int passes = 2; passes <= 20 && i + passes * length <= n; ++passes) {
                bool repeats = true;
                for (int t = 0; t < length; ++t)
                    repeats = repeats && same(i + t, i + (passes - 1) * length + t);
                if (!repeats) break;
                everyGrouping(rows, i, i + length, {}, [&](Sequence body) {
                    if (body.size() < 2) return;
                    for (Step& s : body) s.loop = loopMarker(loops + 1, passes);
                    walk(i + passes * length, out + body, loops + 1);
                });
            }
        }
    };
    walk(0, {}, 0);
    return best;
}

}  // namespace

// The search keeps only states no other beats; trying everything in the same room on a few
// rows finds nothing smaller.
TEST(SequenceCompaction, FindsTheSmallestOfItsWholeRoom) {
    std::mt19937 random(1210);
    const LampBytes palette[] = {kDark, kLit, {0, 3, 0, 0}};
    const char* times[] = {"0,5", "1", "6", "2"};
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        Sequence rows;
        while (rows.size() < 8) {
            Sequence phrase;
            for (int i = 1 + int(random() % 3); i > 0; --i)
                phrase << row(times[random() % 4], palette[random() % 3]);
            for (int k = 1 + int(random() % 3); k > 0; --k) rows += phrase;
            // Long runs of one lamp state: 12 s and more.
            if (random() % 3 == 0) rows << rows.last() << rows.last();
        }
        rows.resize(6 + int(random() % 3));
        EXPECT_EQ(compactSequence(rows).bytesAfter, smallestBySearchingAll(rows));
    }
}
