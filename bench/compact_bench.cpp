// Compacting a sequence of 50, 100 and 200 steps, built as users build shows: short phrases
// (blinks, chases) copied several times, with dark pauses and a few held steps between them.
#include <benchmark/benchmark.h>

#include <random>

#include "image/image_cost.h"
#include "show/sequence_compaction.h"

using namespace vireo;

namespace {

Sequence copiedPhrases(int count) {
    std::mt19937 random(7);
    const LampBytes palette[] = {{0, 0, 0, 0},   {1, 0, 0, 0}, {0, 3, 0, 0},
                                 {0, 0, 16, 16}, {5, 5, 5, 5}, {63, 0, 0, 63}};
    const char* times[] = {"0,5", "1", "0,3", "0,2", "2"};
    Sequence rows;
    while (rows.size() < count) {
        Sequence phrase;
        const int length = 2 + int(random() % 5);
        for (int i = 0; i < length; ++i)
            phrase << Step{OnTime(times[random() % 5]), {}, palette[random() % 6]};
        for (int copies = 1 + int(random() % 6); copies > 0 && rows.size() < count; --copies)
            for (int i = 0; i < phrase.size() && rows.size() < count; ++i) rows << phrase[i];
    }
    return rows;
}

void BM_Compact(benchmark::State& state) {
    const Sequence rows = copiedPhrases(int(state.range(0)));
    int after = 0;
    for (auto _ : state) after = compactSequence(rows).bytesAfter;
    state.counters["bytes_before"] = sequenceImageBytes(rows).value_or(-1);
    state.counters["bytes_after"] = after;
}

// The hardest case for the loop search: one blink copied over and over, so every length of
// every start repeats.
void BM_CompactOneBlink(benchmark::State& state) {
    Sequence rows;
    while (rows.size() < state.range(0))
        rows << Step{"0,5", {}, {1, 0, 0, 0}} << Step{"0,5", {}, {}};
    int after = 0;
    for (auto _ : state) after = compactSequence(rows).bytesAfter;
    state.counters["bytes_before"] = sequenceImageBytes(rows).value_or(-1);
    state.counters["bytes_after"] = after;
}

// A long hold built of short steps: many ways to merge them.
void BM_CompactOneLamp(benchmark::State& state) {
    Sequence rows;
    for (int i = 0; i < state.range(0); ++i) rows << Step{i % 3 ? "0,5" : "0,2", {}, {1, 0, 0, 0}};
    int after = 0;
    for (auto _ : state) after = compactSequence(rows).bytesAfter;
    state.counters["bytes_before"] = sequenceImageBytes(rows).value_or(-1);
    state.counters["bytes_after"] = after;
}

}  // namespace

BENCHMARK(BM_Compact)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompactOneBlink)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompactOneLamp)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
