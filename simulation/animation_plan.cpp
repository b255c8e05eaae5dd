#include "simulation/animation_plan.h"

#include <algorithm>

#include "car/lamp_model.h"
#include "simulation/playback_machine.h"
#include "simulation/playback_steps.h"

namespace vireo {

namespace {

struct Span {
    LampBytes lamps{};
    qint64 ms = 0;
};

LampBytes lampBits(const LampBytes& bytes) {
    LampBytes bits{};
    for (int i = 0; i < kCorners; ++i) bits[i] = bytes[i] & kLampMask;
    return bits;
}

qint64 hundredthsAt(qint64 ms) {
    return (ms + 5) / 10;
}

}  // namespace

AnimationPlan animationPlan(const Sequence& rows, int fromRow, int limit) {
    AnimationPlan plan;
    const QVector<ShownStep> steps = playbackSteps(rows, fromRow, limit);
    if (steps.isEmpty()) return plan;
    plan.shownSteps = steps.size();

    // The pictures as time spans: darkness, then the steps; equal neighbours become one span.
    QVector<Span> spans{{LampBytes{}, kDarknessBeforePlaybackMs}};
    for (const ShownStep& step : steps) {
        if (step.ms <= 0) continue;
        const LampBytes lamps = lampBits(rows[step.row].lamps);
        if (spans.last().lamps == lamps)
            spans.last().ms += step.ms;
        else
            spans << Span{lamps, step.ms};
    }

    // Frame delays from start times rounded to hundredths. A span shorter than 5 ms may round to
    // nothing; it is left out (a GIF delay of 0 means "as fast as the viewer likes").
    qint64 startMs = 0;
    for (const Span& span : spans) {
        qint64 delay = hundredthsAt(startMs + span.ms) - hundredthsAt(startMs);
        startMs += span.ms;
        if (delay <= 0) continue;
        if (!plan.frames.isEmpty() && plan.frames.last().lamps == span.lamps &&
            plan.frames.last().delayCs < kMaxFrameDelayCs) {
            const qint64 room = kMaxFrameDelayCs - plan.frames.last().delayCs;
            const qint64 added = std::min(room, delay);
            plan.frames.last().delayCs += int(added);
            delay -= added;
        }
        while (delay > 0) {
            const int part = int(std::min<qint64>(delay, kMaxFrameDelayCs));
            plan.frames << AnimationFrame{span.lamps, part};
            delay -= part;
        }
    }
    plan.durationMs = startMs;
    return plan;
}

}  // namespace vireo
