// Costs on the way from a lamp click to the redrawn corner, and of one mouse-move hit test.
#include <benchmark/benchmark.h>

#include "car/lamp_editor.h"
#include "car/picture_store.h"
#include "car/vehicle_catalogue.h"

using namespace vireo;

namespace {

VehicleSetup earlySaloon() {
    return *vehicleSetupFor(QStringLiteral("111"));
}

// One left click on the front-left amber strip: hit test, toggle, and the new picture.
template <bool cached>
void clickToRedraw(benchmark::State& state) {
    const VehicleSetup setup = earlySaloon();
    const qreal dpr = state.range(0) / 100.0;
    PictureStore store;
    LampEditor editor;
    LampBytes lamps{};
    if (cached) {
        store.picture(101, dpr);
        store.picture(102, dpr);
    }
    for (auto _ : state) {
        const HitOutcome out =
            editor.lampeTreffen(kLeftButton, 2000, 2000, kCornerVL, setup.regions, lamps, {});
        benchmark::DoNotOptimize(out);
        const int number = pictureNumber(setup.base(kCornerVL), lampByte(lamps, kCornerVL));
        QImage image = cached ? store.picture(number, dpr) : store.renderPicture(number, dpr);
        benchmark::DoNotOptimize(image);
    }
}

void BM_ClickToRedrawCached(benchmark::State& state) {
    clickToRedraw<true>(state);
}
void BM_ClickToRedrawUncached(benchmark::State& state) {
    clickToRedraw<false>(state);
}

// A mouse move inside one region: six comparisons at most, nothing to draw.
void BM_MouseMoveHitTest(benchmark::State& state) {
    const VehicleSetup setup = earlySaloon();
    LampEditor editor;
    LampBytes lamps{};
    editor.lampeTreffen(kNoButton, 2000, 2000, kCornerVL, setup.regions, lamps, {});
    float x = 2000;
    for (auto _ : state) {
        x = x == 2000 ? 2010 : 2000;
        const HitOutcome out =
            editor.lampeTreffen(kNoButton, x, 2000, kCornerVL, setup.regions, lamps, {});
        benchmark::DoNotOptimize(out);
    }
}

// The hit test alone, without the label texts and actions around it.
void BM_HitRegionOnly(benchmark::State& state) {
    const VehicleSetup setup = earlySaloon();
    float x = 2000;
    for (auto _ : state) {
        x = x == 2000 ? 2010 : 2000;
        benchmark::DoNotOptimize(hitRegion(setup.regions, kCornerHL, x, 1800));
    }
}

}  // namespace

BENCHMARK(BM_ClickToRedrawCached)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickToRedrawUncached)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MouseMoveHitTest);
BENCHMARK(BM_HitRegionOnly);
