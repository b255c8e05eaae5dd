// Fitting a document of two 250-row sequences that is over the module's 510 bytes: phrases
// (blinks, chases) copied several times as users build shows, each copy typed a little
// differently, so that only retiming lets the copies fold into loops.
#include <benchmark/benchmark.h>

#include <random>

#include "image/image_cost.h"
#include "show/show_fit.h"

using namespace vireo;

namespace {

Sequence unevenPhrases(int count, unsigned seed) {
    std::mt19937 random(seed);
    const LampBytes palette[] = {{0, 0, 0, 0},   {1, 0, 0, 0}, {0, 3, 0, 0},
                                 {0, 0, 16, 16}, {5, 5, 5, 5}, {63, 0, 0, 63}};
    Sequence rows;
    while (rows.size() < count) {
        std::vector<std::pair<int, LampBytes>> phrase;
        const int length = 2 + int(random() % 5);
        for (int i = 0; i < length; ++i) {
            LampBytes lamps;
            do {
                lamps = palette[random() % 6];
            } while (!phrase.empty() && phrase.back().second == lamps);
            phrase.push_back({2 + int(random() % 8), lamps});
        }
        for (int copies = 2 + int(random() % 5); copies > 0 && rows.size() < count; --copies)
            for (const auto& [tenths, lamps] : phrase) {
                if (rows.size() >= count) break;
                const int typed = std::max(1, tenths + int(random() % 3) - 1);
                rows << Step{OnTime::ofTenths(typed), {}, lamps};
            }
    }
    return rows;
}

void BM_FitTwoSequences(benchmark::State& state) {
    Document document;
    document.sequences[kWelcome] = unevenPhrases(int(state.range(0)), 1);
    document.sequences[kGoodbye] = unevenPhrases(int(state.range(0)), 2);
    ShowFit fit;
    for (auto _ : state) fit = fitDocument(document, {}, 30, 510, false);
    state.counters["bytes_before"] = fit.bytesBefore;
    state.counters["bytes_after"] = fit.bytesAfter;
    state.counters["change_ms"] = double(fit.changeMs);
    state.counters["fitted"] = fit.changed() ? 1 : 0;
}

// The hardest case for the loop blocks: blinks everywhere, so every period repeats, timed
// unevenly, so that compacting alone does not fit them.
void BM_FitTwoBlinks(benchmark::State& state) {
    Document document;
    for (int s : {kWelcome, kGoodbye})
        for (int i = 0; i < state.range(0); ++i)
            document.sequences[s] << Step{
                OnTime::ofTenths(4 + (i * 7 + s) % 11 % 3), {}, {i % 2 ? 7 : 0, 0, 0, 0}};
    ShowFit fit;
    for (auto _ : state) fit = fitDocument(document, {}, 30, 510, false);
    state.counters["bytes_before"] = fit.bytesBefore;
    state.counters["bytes_after"] = fit.bytesAfter;
    state.counters["change_ms"] = double(fit.changeMs);
    state.counters["fitted"] = fit.changed() ? 1 : 0;
}

}  // namespace

BENCHMARK(BM_FitTwoBlinks)->Arg(250)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitTwoSequences)->Arg(100)->Arg(250)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
