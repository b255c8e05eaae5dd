// Writing the playback of a 60-second show as an animated GIF at the window's width, the way
// "Animation exportieren…" and vireo-cli render do it.
#include <benchmark/benchmark.h>

#include <QBuffer>

#include "files/animation_export.h"
#include "sequence/loop_marker.h"

using namespace vireo;

namespace {

Step step(int tenths, LampBytes lamps, const QString& loop = {}) {
    return Step{OnTime::ofTenths(tenths), loop, lamps};
}

// 60 seconds in three parts of 20: a running light over every lamp of every corner in tenths,
// a loop of all lamps flashing, and a build-up that lights the corners bit by bit.
Sequence sixtySecondShow() {
    Sequence rows;
    for (int i = 0; i < 200; ++i) {
        LampBytes lamps{};
        lamps[(i / 6) % kCorners] = 1 << (i % 6);
        rows << step(1, lamps);
    }
    const QString flash = loopMarker(1, 25);
    rows << step(4, {63, 63, 63, 63}, flash) << step(4, {0, 0, 0, 0}, flash);
    for (int i = 0; i < 100; ++i) {
        const int level = (i * 64) / 100;
        rows << step(2, {level, (level * 7) & 63, (level * 13) & 63, 63 - level});
    }
    return rows;
}

void BM_RenderSixtySecondShow(benchmark::State& state) {
    AnimationRequest request;
    request.rows = sixtySecondShow();
    request.vehicle = *vehicleSetupFor(QStringLiteral("111"));
    request.width = int(state.range(0));
    AnimationOutcome outcome;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        outcome = writePlaybackAnimation(request, buffer);
        benchmark::DoNotOptimize(buffer.data().data());
    }
    state.counters["bytes"] = double(outcome.bytes);
    state.counters["frames"] = outcome.frames;
    state.counters["seconds"] = outcome.durationMs / 1000.0;
}

}  // namespace

BENCHMARK(BM_RenderSixtySecondShow)
    ->Arg(390)
    ->Arg(780)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
