#include <gtest/gtest.h>

#include "sequence/loop_marker.h"
#include "simulation/animation_plan.h"
#include "simulation/playback_machine.h"
#include "simulation/playback_steps.h"

using namespace vireo;

namespace {

// Rows with the given times and loop markers; row p (1-based) lights byte p on corner 1.
Sequence rowsOf(std::initializer_list<std::pair<const char*, QString>> rows) {
    Sequence s;
    for (const auto& [time, marker] : rows) {
        const int p = s.size() + 1;
        s.append(Step{OnTime(time), marker, LampBytes{p, 0, 0, 0}});
    }
    return s;
}

// What is lit in every hundredth of a second, from the frames of a plan.
QVector<LampBytes> timelineOf(const AnimationPlan& plan) {
    QVector<LampBytes> t;
    for (const AnimationFrame& f : plan.frames)
        for (int i = 0; i < f.delayCs; ++i) t << f.lamps;
    return t;
}

// The same from the playback machine's own steps: 500 ms dark, then each step for its time.
QVector<LampBytes> timelineOf(const Sequence& rows, const QVector<ShownStep>& steps) {
    QVector<LampBytes> t(kDarknessBeforePlaybackMs / 10, LampBytes{});
    for (const ShownStep& s : steps)
        for (int i = 0; i < s.ms / 10; ++i) t << rows[s.row].lamps;
    return t;
}

}  // namespace

// Every case: the frames show, hundredth by hundredth, exactly what the playback machine shows,
// no two neighbouring frames are the same picture, and the step count is the machine's.
TEST(AnimationPlan, FramesFollowThePlaybackMachine) {
    const QString L2 = loopMarker(1, 2), L3 = loopMarker(1, 3), endless = loopMarker(1, 0);
    const struct {
        const char* name;
        Sequence rows;
        int from;
        int limit;
        int frames;
    } cases[] = {
        {"loop", rowsOf({{"1", ""}, {"0,5", L3}, {"0,2", L3}, {"1", ""}}), 0, 10000, 1 + 8},
        {"loop on the last row", rowsOf({{"1", ""}, {"0,3", L2}, {"0,1", L2}}), 0, 10000, 1 + 5},
        {"start in the middle", rowsOf({{"1", L2}, {"2", L2}, {"1", ""}, {"3", ""}}), 1, 10000,
         1 + 5},
        {"longer than the limit", rowsOf({{"0,1", endless}, {"0,2", endless}}), 0, 7, 1 + 7},
        {"one row", rowsOf({{"2,5", ""}}), 0, 10000, 1 + 1},
        {"start on the last row", rowsOf({{"1", ""}, {"0,4", ""}}), 1, 10000, 1 + 1},
    };
    for (const auto& c : cases) {
        const AnimationPlan plan = animationPlan(c.rows, c.from, c.limit);
        const QVector<ShownStep> steps = playbackSteps(c.rows, c.from, c.limit);
        EXPECT_EQ(plan.frames.size(), c.frames) << c.name;
        EXPECT_EQ(plan.shownSteps, steps.size()) << c.name;
        EXPECT_EQ(timelineOf(plan), timelineOf(c.rows, steps)) << c.name;
        qint64 ms = kDarknessBeforePlaybackMs;
        for (const ShownStep& s : steps) ms += s.ms;
        EXPECT_EQ(plan.durationMs, ms) << c.name;
        for (int i = 1; i < plan.frames.size(); ++i)
            EXPECT_NE(plan.frames[i].lamps, plan.frames[i - 1].lamps) << c.name << " frame " << i;
    }
}

TEST(AnimationPlan, DarknessFirstThenEachStepInHundredths) {
    const Sequence rows = rowsOf({{"0,5", ""}, {"1,5", ""}});
    const AnimationPlan plan = animationPlan(rows, 0, 10000);
    EXPECT_EQ(plan.frames, (QVector<AnimationFrame>{
                               {{0, 0, 0, 0}, 50}, {{1, 0, 0, 0}, 50}, {{2, 0, 0, 0}, 150}}));
    EXPECT_EQ(plan.durationMs, 2500);
}

// Equal neighbours merge with their times added (a dark row merges with the darkness before
// it); a row of no time leaves no frame; only the lamp bits of a byte count.
TEST(AnimationPlan, EqualPicturesMergeAndEmptyStepsVanish) {
    Sequence rows{{"0,3", {}, {0, 0, 0, 0}},
                  {"0,2", {}, {5, 0, 0, 0}},
                  {"0", {}, {9, 9, 9, 9}},
                  {"0,4", {}, {5 | 64, 0, 0, 0}},
                  {"1", {}, {7, 1, 2, 3}}};
    EXPECT_EQ(
        animationPlan(rows, 0, 10000).frames,
        (QVector<AnimationFrame>{{{0, 0, 0, 0}, 80}, {{5, 0, 0, 0}, 60}, {{7, 1, 2, 3}, 100}}));
}

TEST(AnimationPlan, LongPicturesSplitAtTheLongestGifDelay) {
    const Sequence rows{{"1000", {}, {1, 0, 0, 0}}};  // 1000 s = 100000 hundredths
    const AnimationPlan plan = animationPlan(rows, 0, 10000);
    EXPECT_EQ(plan.frames, (QVector<AnimationFrame>{{{0, 0, 0, 0}, 50},
                                                    {{1, 0, 0, 0}, kMaxFrameDelayCs},
                                                    {{1, 0, 0, 0}, 100000 - kMaxFrameDelayCs}}));
}

// Each frame starts at its step's start rounded to hundredths: 15 ms steps alternate 2 and 1,
// and the total is the playback's time, where rounding each step (up or down) would drift.
TEST(AnimationPlan, ShortStepsRoundWithoutAddingUp) {
    Sequence rows;
    for (int i = 0; i < 10; ++i) rows << Step{"0,015", {}, {i % 2 ? 2 : 1, 0, 0, 0}};
    const AnimationPlan plan = animationPlan(rows, 0, 10000);
    QVector<int> delays;
    int total = 0;
    for (const AnimationFrame& f : plan.frames) {
        delays << f.delayCs;
        total += f.delayCs;
    }
    EXPECT_EQ(delays, (QVector<int>{50, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1}));
    EXPECT_EQ(total, 65);
    EXPECT_EQ(plan.durationMs, 650);
}

TEST(AnimationPlan, NothingWhenPlaybackShowsNothing) {
    const Sequence rows = rowsOf({{"1", ""}});
    EXPECT_TRUE(animationPlan({}, 0, 10000).frames.isEmpty());
    EXPECT_TRUE(animationPlan(rows, 1, 10000).frames.isEmpty());
    EXPECT_TRUE(animationPlan(rows, 0, 0).frames.isEmpty());
}
