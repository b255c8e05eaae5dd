#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>

#include "image/image_cost.h"
#include "sequence/edit_limits.h"
#include "sequence/loop_marker.h"
#include "show/compaction_search.h"
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
        {"a loop starts on a dark step when that is smallest",
         Sequence{row("0,5", kDark)} + blinks(4) + Sequence{row("0,5", kLit)},
         Status::Compacted,
         16,
         7,
         {row("0,5", kDark, "S  1 / 5 x"), row("0,5", kLit, "S  1 / 5 x")}},
        {"merged steps hold at most 10 s, in equal parts",
         {row("4", kLit), row("4", kLit), row("4", kLit)},
         Status::Compacted,
         7,
         5,
         {row("6", kLit), row("6", kLit)}},
        {"a long run is split anew into steps of at most 10 s",
         {row("6", kLit), row("6", kLit), row("6", kLit)},
         Status::Compacted,
         7,
         5,
         {row("9", kLit), row("9", kLit)}},
        {"a long run takes equal parts, the second without a time byte",
         {row("8", kLit), row("6", kDark), row("6", kDark), row("6", kDark), row("1", kLit)},
         Status::Compacted,
         3 + 2 + 1 + 1 + 3,
         3 + 2 + 1 + 3,
         {row("8", kLit), row("9", kDark), row("9", kDark), row("1", kLit)}},
        {"a long run shares the on-times of the rows before and after it",
         {row("4", kLit), row("7", kDark), row("7", kDark), row("10", kLit)},
         Status::Compacted,
         3 + 2 + 1 + 3,
         3 + 1 + 2 + 2,
         {row("4", kLit), row("4", kDark), row("10", kDark), row("10", kLit)}},
        {"a loop already the smallest stays",
         {row("0,5", kLit, "S  1 / 5 x"), row("0,5", kDark, "S  1 / 5 x")},
         Status::NothingWon,
         6,
         6,
         {}},
        {"a loop that repeats until stopped never ends",
         {row("1", kLit, "S  1 / 0 x"), row("1", kDark, "S  1 / 0 x")},
         Status::Endless,
         0,
         0,
         {}},
        {"an on-time the image cannot hold is written as rows it can",
         {row("30", kLit), row("30", kLit)},
         Status::Compacted,
         0,
         7,
         {row("10", kLit, "S  1 / 3 x"), row("10", kLit, "S  1 / 3 x")}},
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
        {"starts dark", {row("1", kDark, "S  1 / 2 x"), row("1", kLit, "S  1 / 2 x")}, true},
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
                EXPECT_LE(step.time.ms(), kLongestMadeRowMs) << step.time.text().toStdString();
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
        if (j > i && ms > kLongestMadeRowMs) break;
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
            if (j > i && ms > kLongestMadeRowMs) break;
            walk(j + 1,
                 out + Sequence{timedRow(j == i ? rows[i].time : OnTime::ofMs(ms), rows[i].lamps)},
                 loops);
        }
        if (runEnd - i >= 2 && runMs > kLongestMadeRowMs) {
            Sequence full;
            for (qint64 k = 0; k < runMs / kLongestMadeRowMs; ++k) full << row("10", rows[i].lamps);
            const Sequence rest{timedRow(OnTime::ofMs(runMs % kLongestMadeRowMs), rows[i].lamps)};
            const bool anyRest = runMs % kLongestMadeRowMs > 0;
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
        EXPECT_LE(compactSequence(rows).bytesAfter, smallestBySearchingAll(rows));
    }
}

// However the show's time was typed, Compact sees the show as it plays: split steps, a long
// lamp held over several rows and passes that merge give the same smallest rows.
TEST(SequenceCompaction, WorksOnTheShowAsSeen) {
    constexpr LampBytes kOther{0, 2, 0, 0};
    const auto blinkTypedAs = [](const Sequence& oneOn) {
        Sequence rows;
        for (int i = 0; i < 5; ++i)
            rows << (i == 2 ? oneOn : Sequence{row("0,4", kLit)}) << row("0,4", kDark);
        return rows;
    };
    const Sequence blinkLoop{row("0,4", kLit, "S  1 / 5 x"), row("0,4", kDark, "S  1 / 5 x")};
    Sequence merging;
    for (int i = 0; i < 3; ++i)
        merging << row("0,5", kLit) << row("0,5", kOther) << row("0,5", kLit);
    const struct {
        const char* name;
        Sequence rows;
        int before;
        Sequence expected;
    } cases[] = {
        {"one step of a blink typed as two halves",
         blinkTypedAs({row("0,2", kLit), row("0,2", kLit)}), 20, blinkLoop},
        {"one step of a blink typed as four tenths",
         blinkTypedAs({row("0,1", kLit), row("0,1", kLit), row("0,1", kLit), row("0,1", kLit)}), 24,
         blinkLoop},
        {"a lamp on for 25 s, then another lamp",
         {row("10", kLit), row("10", kLit), row("5", kLit), row("2,5", kOther)},
         11,
         {row("2,5", kLit, "S  1 / 5 x"), row("2,5", kLit, "S  1 / 5 x"), row("2,5", kOther)}},
        {"passes that end with the lamps they start with",
         merging,
         19,
         {row("0,5", kLit, "S  1 / 3 x"), row("0,5", kOther, "S  1 / 3 x"),
          row("0,5", kLit, "S  1 / 3 x")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CompactionResult result = compactSequence(c.rows);
        EXPECT_EQ(result.status, Status::Compacted);
        EXPECT_EQ(result.bytesBefore, c.before);
        EXPECT_EQ(result.rows, c.expected);
        EXPECT_EQ(result.bytesAfter, sequenceImageBytes(c.expected).value_or(-1));
        expectSameShow(c.rows, result.rows);
        // Compacted once, there is nothing more to win.
        const CompactionResult again = compactSequence(result.rows);
        EXPECT_EQ(again.status, Status::NothingWon);
        EXPECT_EQ(again.rows, result.rows);
    }
}

// The limits that decide where a loop may stand and what its rows cost, each at its edge.
TEST(SequenceCompaction, LimitsAtTheirEdges) {
    constexpr LampBytes kGreen{0, 3, 0, 0};
    // A step merged to exactly 10 s inside a loop body is allowed.
    Sequence tens;
    for (int i = 0; i < 3; ++i) tens << row("5", kLit) << row("5", kLit) << row("1", kGreen);
    const CompactionResult ten = compactSequence(tens);
    EXPECT_EQ(ten.rows, (Sequence{row("10", kLit, "S  1 / 3 x"), row("1", kGreen, "S  1 / 3 x")}));
    EXPECT_EQ(ten.bytesAfter, 5 + 3);

    // A loop may end exactly on row 255: 253 plain rows and five blinks fold the blinks into
    // rows 254 and 255.
    Sequence late;
    for (int i = 0; i < 253; ++i) late << row(i % 2 ? "1" : "2", {i % 60 + 1, 0, 0, 0});
    late += blinks(5);
    const CompactionResult edge = compactSequence(late);
    ASSERT_EQ(edge.status, Status::Compacted);
    ASSERT_EQ(edge.rows.size(), 255);
    EXPECT_EQ(edge.rows.mid(0, 253), late.mid(0, 253));
    EXPECT_EQ(edge.rows.mid(253),
              (Sequence{row("0,5", kLit, "S  1 / 5 x"), row("0,5", kDark, "S  1 / 5 x")}));
    // One row more, and the loop would end on row 256: the blinks stay as they are.
    late.prepend(row("3", {62, 0, 0, 0}));
    EXPECT_EQ(compactSequence(late).status, Status::NothingWon);

    // The rear corners share a byte only when both hold the middle lamp alone: the left corner
    // alone costs its own byte.
    Sequence left;
    for (int i = 0; i < 4; ++i) left << row("6", {0, 0, 16, 0});
    const CompactionResult rear = compactSequence(left);
    EXPECT_EQ(rear.bytesBefore, 9);
    EXPECT_EQ(rear.bytesAfter, 7);
    EXPECT_EQ(rear.rows, (Sequence{row("8", {0, 0, 16, 0}), row("8", {0, 0, 16, 0}),
                                   row("8", {0, 0, 16, 0})}));
}

// A show with more loops than the module holds has no image; its rows folded anew have one.
TEST(SequenceCompaction, AShowWithoutAnImageGetsOneWhereItCan) {
    Sequence rows;
    for (int l = 1; l <= 25; ++l) {
        const QString marker = loopMarker(l, 2);
        rows << row("0,5", kLit, qPrintable(marker))
             << row("0,5", {0, 0, 0, l}, qPrintable(marker));
    }
    ASSERT_FALSE(sequenceImageBytes(rows));
    const CompactionResult result = compactSequence(rows);
    EXPECT_EQ(result.status, Status::Compacted);
    EXPECT_EQ(result.inputHasNoImage, ImageOutcome::TooManyLoops);
    EXPECT_EQ(result.bytesAfter, sequenceImageBytes(result.rows).value_or(-1));
    EXPECT_TRUE(keepsLoopRules(result.rows));
    expectSameShow(rows, result.rows);
}

namespace {

// A show as someone folds it by hand: plain rows and loops of 2 to 5 rows, 2 to 6 passes, the
// rows around each loop with other lamps than the loop's first and last row.
Sequence foldedByHand(std::mt19937& random) {
    const LampBytes palette[] = {kDark,          kLit,         {0, 3, 0, 0},
                                 {0, 0, 16, 16}, {5, 5, 5, 5}, {1, 2, 0, 0}};
    const int tenths[] = {1, 2, 3, 4, 5, 5, 5, 8, 10, 20, 35, 100};
    const auto step = [&] {
        return Step{OnTime::ofTenths(tenths[random() % 12]), QString(), palette[random() % 6]};
    };
    Sequence rows;
    int loops = 0;
    const int blocks = 3 + int(random() % 10);
    for (int b = 0; b < blocks; ++b) {
        if (random() % 2 == 0 || loops == kMaxMarkedRuns) {
            rows << step();
            continue;
        }
        Sequence body;
        for (int i = 2 + int(random() % 4); i > 0; --i) body << step();
        if (!rows.isEmpty() && rows.last().lamps == body.first().lamps) continue;
        const QString marker = loopMarker(++loops, 2 + int(random() % 5));
        for (Step& s : body) s.loop = marker;
        rows += body;
        // The row after the loop lights other lamps than the loop's last row.
        Step after = step();
        while (after.lamps == body.last().lamps) after.lamps = palette[random() % 6];
        rows << after;
    }
    return rows;
}

// The rows played out, with a few of their steps split in two as someone may type them.
Sequence unrolledAndSplit(const Sequence& folded, std::mt19937& random) {
    Sequence rows;
    for (const Step& s : playedOut(folded)) {
        const long long t = s.time.tenths();
        if (t >= 2 && random() % 4 == 0) {
            const long long first = 1 + static_cast<long long>(random() % (t - 1));
            rows << Step{OnTime::ofTenths(first), QString(), s.lamps}
                 << Step{OnTime::ofTenths(t - first), QString(), s.lamps};
        } else {
            rows << s;
        }
    }
    return rows;
}

}  // namespace

// Shows folded by hand, then unrolled and split at random: Compact is never bigger than the
// hand-folded show, and compacting its result again changes nothing.
TEST(SequenceCompaction, NeverBeatenByAShowFoldedByHand) {
    std::mt19937 random(27);
    int handBytes = 0, compactBytes = 0;
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const Sequence folded = foldedByHand(random);
        ASSERT_TRUE(keepsLoopRules(folded));
        const auto hand = sequenceImageBytes(folded);
        ASSERT_TRUE(hand);
        const Sequence typed = unrolledAndSplit(folded, random);
        const CompactionResult result = compactSequence(typed);
        ASSERT_NE(result.status, Status::CheckFailed);
        EXPECT_LE(result.bytesAfter, *hand);
        expectSameShow(folded, result.rows);
        EXPECT_TRUE(keepsLoopRules(result.rows));
        const CompactionResult again = compactSequence(result.rows);
        EXPECT_EQ(again.status, Status::NothingWon);
        handBytes += *hand;
        compactBytes += result.bytesAfter;
    }
    EXPECT_LE(compactBytes, handBytes);
}
