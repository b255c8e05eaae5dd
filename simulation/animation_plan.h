#pragma once

#include <QVector>

#include "sequence/document.h"

namespace vireo {

// One picture of an animation: the lamp bytes of corners 1..4 (lamp bits only) and how long the
// picture stays, in hundredths of a second as an animated GIF counts time.
struct AnimationFrame {
    LampBytes lamps{};
    int delayCs = 0;

    bool operator==(const AnimationFrame&) const = default;
};

// The playback of a sequence as the pictures of an animation: first the darkness before
// playback, then every shown step for its interval, as the playback machine plays it.
struct AnimationPlan {
    QVector<AnimationFrame> frames;
    qint64 durationMs = 0;  // the time of the playback the frames show
    int shownSteps = 0;     // steps of the playback, before merging
};

constexpr int kDefaultAnimationStepLimit = 10000;
// The longest delay one GIF frame can carry; longer pictures are split.
constexpr int kMaxFrameDelayCs = 65535;

// Plans the animation of a playback started on the 0-based fromRow, with at most limit shown
// steps. Consecutive pictures with the same lamps become one picture and steps of no time are
// left out; the frame delays add up to the playback's time (each frame starts at its step's
// start time rounded to hundredths, so rounding never accumulates). Empty when the playback
// shows nothing (no rows, fromRow outside the table, limit 0).
AnimationPlan animationPlan(const Sequence& rows, int fromRow, int limit);

}  // namespace vireo
