#include "show/show_fit.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "image/image_cost.h"
#include "image/step_record.h"
#include "sequence/loop_marker.h"
#include "show/retiming_search.h"
#include "simulation/shown_lamps.h"
#include "tests/core/image_fixtures.h"

using namespace vireo;
using namespace vireo::test;

namespace {

using Status = ShowFit::Status;

constexpr int kModel = 30;
constexpr LampBytes kDark{0, 0, 0, 0};

int imageBytes(const Document& d, int capacity = 510) {
    return imageCost(d, {}, kModel, capacity).total;
}

ShowFit fit(const Document& d, int capacity, bool drops = false) {
    return fitDocument(d, {}, kModel, capacity, drops);
}

Step lit(int tenths, int lamp) {
    return Step{OnTime::ofTenths(tenths), {}, LampBytes{lamp, 0, 0, 0}};
}

// The lamp states of a sequence's playback, in order, without their times.
std::vector<LampBytes> lampsShown(const Sequence& rows) {
    std::vector<LampBytes> lamps;
    const auto shown = shownLamps(rows, 20000);
    for (const ShownLamps& s : *shown) lamps.push_back(s.lamps);
    return lamps;
}

qint64 changeBetween(const Sequence& before, const Sequence& after) {
    const auto a = *shownLamps(before, 20000);
    const auto b = *shownLamps(after, 20000);
    qint64 sum = 0;
    for (int i = 0; i < a.size(); ++i) sum += std::abs(a[i].ms - b[i].ms);
    return sum;
}

TEST(ShowFit, ABlinkTypedUnevenlyFoldsIntoOneLoopAtItsMedian) {
    Sequence blink;
    for (int tenths : {5, 4, 5, 6, 5}) blink << lit(tenths, 1) << lit(5, 0);
    Sequence folded = {Step{OnTime::ofTenths(5), loopMarker(1, 5), {1, 0, 0, 0}},
                       Step{OnTime::ofTenths(5), loopMarker(1, 5), kDark}};
    const int capacity = imageBytes(documentOf(folded));
    ASSERT_GT(imageBytes(documentOf(blink)), capacity);

    const ShowFit result = fit(documentOf(blink), capacity);
    ASSERT_EQ(result.status, Status::Fitted);
    EXPECT_EQ(result.document.sequences[kWelcome], folded);
    EXPECT_EQ(result.bytesAfter, capacity);
    EXPECT_EQ(result.changeMs, 200);
    EXPECT_EQ(result.largestChangeMs, 100);
    const std::vector<FitChange> changes = {{kWelcome, 3, 400, 500, false},
                                            {kWelcome, 7, 600, 500, false}};
    EXPECT_EQ(result.changes, changes);
}

TEST(ShowFit, NeighboursOneTenthApartShareAnOnTime) {
    // Four different lamps: 0,5 then three times 0,6 s, so two time bytes.
    const Sequence rows = {lit(5, 1), lit(6, 2), lit(6, 3), lit(6, 4)};
    const int capacity = imageBytes(documentOf(rows)) - 1;
    const ShowFit result = fit(documentOf(rows), capacity);
    ASSERT_EQ(result.status, Status::Fitted);
    EXPECT_EQ(result.bytesAfter, capacity);
    EXPECT_EQ(result.changes, (std::vector<FitChange>{{kWelcome, 1, 500, 600, false}}));
    EXPECT_EQ(result.changeMs, 100);
}

TEST(ShowFit, AShowThatFitsComesBackTheSame) {
    const Document d = documentOf({lit(5, 1), lit(6, 2)}, {lit(3, 4)});
    const ShowFit result = fit(d, 510);
    EXPECT_EQ(result.status, Status::AlreadyFits);
    EXPECT_EQ(result.document, d);
    EXPECT_TRUE(result.changes.empty());
    EXPECT_EQ(result.bytesAfter, result.bytesBefore);
}

TEST(ShowFit, WhenOnTimesCannotHelpItSaysWhatTheStepsAloneNeed) {
    // Twenty different lamps: no loop can fold them, each needs its own row.
    Sequence rows;
    for (int i = 1; i <= 20; ++i) rows << Step{OnTime::ofTenths(i), {}, LampBytes{i, i, i, i}};
    Sequence oneTime = rows;
    for (Step& s : oneTime) s.time = OnTime::ofTenths(10);
    const int alone = imageBytes(documentOf(oneTime));

    const ShowFit result = fit(documentOf(rows), alone - 1);
    EXPECT_EQ(result.status, Status::NeedsDrops);
    EXPECT_EQ(result.stepsAloneNeed, alone);
    EXPECT_EQ(result.document, documentOf(rows));
}

TEST(ShowFit, DroppingTakesTheShortestStepsFirstAndGivesTheirTimeAway) {
    // Five lamps, each once; the 0,1 s step and then the 0,2 s step are the shortest.
    const Sequence rows = {lit(3, 1), lit(1, 2), lit(7, 3), lit(2, 4), lit(5, 5)};
    const Sequence oneTime = {lit(5, 1), lit(5, 3), lit(5, 5)};
    const int capacity = imageBytes(documentOf(oneTime));

    const ShowFit refused = fit(documentOf(rows), capacity);
    EXPECT_EQ(refused.status, Status::NeedsDrops);

    const ShowFit result = fit(documentOf(rows), capacity, true);
    ASSERT_EQ(result.status, Status::Fitted);
    EXPECT_LE(result.bytesAfter, capacity);
    const auto& changes = result.changes;
    ASSERT_GE(changes.size(), 2u);
    std::vector<int> dropped;
    for (const FitChange& c : changes)
        if (c.dropped) dropped.push_back(c.step);
    EXPECT_EQ(dropped, (std::vector<int>{2, 4}));
    EXPECT_EQ(lampsShown(result.document.sequences[kWelcome]),
              (std::vector<LampBytes>{{1, 0, 0, 0}, {3, 0, 0, 0}, {5, 0, 0, 0}}));
}

// The reference the search must never lose to: the rows of the show as seen, one per lamp
// state, only retimed, no loops. Exact by brute force over the on-times the show has (the best
// on-time shared by a run of rows is always one of their own): the least change for each count
// of time bytes, and the bytes of the rows besides them.
struct PlainCurve {
    int rowBytes = 0;
    std::vector<qint64> changeFor;  // [time bytes]
};

PlainCurve plainRetiming(const QVector<ShownLamps>& show) {
    PlainCurve curve;
    std::vector<qint64> values;
    for (const ShownLamps& s : show) {
        values.push_back(s.ms);
        curve.rowBytes += stepRecordBytes(s.lamps, 1, 1, false);
    }
    const int n = int(show.size());
    curve.changeFor.assign(n + 1, kNoRetiming);
    if (n == 0) {
        curve.changeFor[0] = 0;
        return curve;
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    const int V = int(values.size());
    // best[v][t]: rows so far, the last on values[v], t time bytes written.
    std::vector<std::vector<qint64>> best(V, std::vector<qint64>(n + 1, kNoRetiming));
    for (int v = 0; v < V; ++v) best[v][1] = std::abs(show[0].ms - values[v]);
    for (int i = 1; i < n; ++i) {
        std::vector<std::vector<qint64>> next(V, std::vector<qint64>(n + 1, kNoRetiming));
        for (int v = 0; v < V; ++v)
            for (int t = 1; t <= i; ++t) {
                if (best[v][t] >= kNoRetiming) continue;
                for (int w = 0; w < V; ++w) {
                    const int tt = t + (w != v);
                    next[w][tt] =
                        std::min(next[w][tt], best[v][t] + std::abs(show[i].ms - values[w]));
                }
            }
        best = std::move(next);
    }
    for (const auto& byT : best)
        for (int t = 0; t <= n; ++t) curve.changeFor[t] = std::min(curve.changeFor[t], byT[t]);
    for (int t = 1; t <= n; ++t)  // fewer time bytes also fit in more
        curve.changeFor[t] = std::min(curve.changeFor[t], curve.changeFor[t - 1]);
    return curve;
}

// The least change plain retiming of both sequences finds within `rowsBudget` bytes of rows.
qint64 plainRetiming(const Document& d, int rowsBudget) {
    const PlainCurve a = plainRetiming(*shownLamps(d.sequences[kWelcome], 20000));
    const PlainCurve b = plainRetiming(*shownLamps(d.sequences[kGoodbye], 20000));
    qint64 least = kNoRetiming;
    for (int ta = 0; ta < int(a.changeFor.size()); ++ta)
        for (int tb = 0; tb < int(b.changeFor.size()); ++tb)
            if (a.rowBytes + ta + b.rowBytes + tb <= rowsBudget && a.changeFor[ta] < kNoRetiming &&
                b.changeFor[tb] < kNoRetiming)
                least = std::min(least, a.changeFor[ta] + b.changeFor[tb]);
    return least;
}

// Rows as users type them: lamps from a few states, so that repeats come up, blinks that go on,
// on-times near each other, now and then a step typed as two halves, now and then a loop.
Sequence typedRows(std::mt19937& random, int steps) {
    const std::vector<LampBytes> palette = {{1, 0, 0, 0},   {0, 2, 0, 0}, {3, 3, 0, 0},
                                            {0, 0, 16, 16}, {5, 6, 7, 8}, {0, 0, 0, 0}};
    Sequence rows;
    int loops = 0;
    while (rows.size() < steps) {
        LampBytes lamps;
        do {
            lamps = palette[random() % palette.size()];
        } while (!rows.isEmpty() && rows.last().lamps == lamps);
        if (random() % 3 == 0 && rows.size() >= 2 &&
            rows[rows.size() - 2].lamps != rows.last().lamps)
            lamps = rows[rows.size() - 2].lamps;  // a blink goes on
        const int tenths = 2 + int(random() % 6);
        if (random() % 8 == 0 && tenths >= 4) {
            rows << Step{OnTime::ofTenths(tenths / 2), {}, lamps}
                 << Step{OnTime::ofTenths(tenths - tenths / 2), {}, lamps};
        } else {
            rows << Step{OnTime::ofTenths(tenths), {}, lamps};
        }
        if (random() % 10 == 0 && rows.size() >= 3 && loops < 3) {
            // The last three rows become a loop of two or three passes.
            const QString marker = loopMarker(++loops, 2 + int(random() % 2));
            for (int r = rows.size() - 3; r < rows.size(); ++r) rows[r].loop = marker;
            rows << Step{OnTime::ofTenths(3), {}, LampBytes{9, 9, 9, 9}};
        }
    }
    return rows;
}

TEST(ShowFit, NeverChangesAShowMoreThanPlainRetimingAndAlwaysFits) {
    std::mt19937 random(30);
    int fitted = 0, beatPlain = 0;
    for (int round = 0; round < 150; ++round) {
        Document d = documentOf(typedRows(random, 8 + int(random() % 40)));
        if (round % 2) d.sequences[kGoodbye] = typedRows(random, 4 + int(random() % 20));
        const int now = imageBytes(d);
        const int rowsNow = *sequenceImageBytes(d.sequences[kWelcome]) +
                            sequenceImageBytes(d.sequences[kGoodbye]).value_or(0);
        const int capacity = now - 1 - int(random() % 12);
        SCOPED_TRACE(::testing::Message() << "round " << round << ", capacity " << capacity);

        const ShowFit result = fit(d, capacity);
        const qint64 plain = plainRetiming(d, capacity - (now - rowsNow));
        if (plain < kNoRetiming) ASSERT_EQ(result.status, Status::Fitted);
        if (result.status != Status::Fitted) {
            ASSERT_EQ(result.status, Status::NeedsDrops);
            continue;
        }
        ++fitted;
        EXPECT_LE(imageBytes(result.document), capacity);
        EXPECT_EQ(result.bytesAfter, imageBytes(result.document));
        qint64 change = 0;
        for (int s = kWelcome; s <= kGoodbye; ++s) {
            const Sequence& after = result.document.sequences[s];
            EXPECT_EQ(lampsShown(after), lampsShown(d.sequences[s]));
            change += changeBetween(d.sequences[s], after);
            for (const Step& row : after) {
                EXPECT_GE(row.time.ms(), 100);
                EXPECT_LE(row.time.ms(), 10000);
                EXPECT_EQ(row.time.ms() % 100, 0);
            }
        }
        EXPECT_EQ(result.changeMs, change);
        EXPECT_LE(result.changeMs, plain);
        if (result.changeMs < plain) ++beatPlain;
    }
    EXPECT_GT(fitted, 100);
    EXPECT_GT(beatPlain, 10);  // loops and compaction do win over plain retiming
}

}  // namespace
