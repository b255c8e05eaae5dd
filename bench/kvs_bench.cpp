// Reading, comparing and writing a full document: two sequences of 500 steps each, half of
// them inside loops, German on-time texts.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "files/kvs_comparison.h"
#include "files/kvs_reader.h"
#include "files/kvs_writer.h"

using namespace vireo;

namespace {

Document fullDocument() {
    Document d;
    for (int s = 0; s < 2; ++s) {
        for (int i = 0; i < kMaxRows; ++i) {
            Step step;
            step.time = OnTime::parse(QStringLiteral("%1,%2").arg(i % 10).arg(i % 9 + 1));
            if (i % 2 == 0) step.loop = QStringLiteral("S %1 / 12 x").arg(i / 32 % 99 + 1, 2);
            step.lamps = {i % 64, (i * 3) % 64, (i * 7) % 64, (i * 11) % 64};
            d.sequences[s].append(step);
        }
    }
    return d;
}

void BM_Read(benchmark::State& state) {
    const QByteArray bytes = kvsBytes(fullDocument());
    for (auto _ : state) benchmark::DoNotOptimize(readKvs(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_Compare(benchmark::State& state) {
    const Document d = fullDocument();
    const QByteArray bytes = kvsBytes(d);
    for (auto _ : state) benchmark::DoNotOptimize(documentEqualsKvs(d, bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_Write(benchmark::State& state) {
    const Document d = fullDocument();
    for (auto _ : state) benchmark::DoNotOptimize(kvsBytes(d));
}

// The whole save, with the new file written beside the old one and then put in its place.
void BM_WriteFile(benchmark::State& state) {
    const Document d = fullDocument();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.kvs"));
    for (auto _ : state) benchmark::DoNotOptimize(writeKvsFile(path, d));
}

// The unsaved-changes test as the file menu runs it: read the file from disk and compare.
void BM_CompareFile(benchmark::State& state) {
    const Document d = fullDocument();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.kvs"));
    writeKvsFile(path, d);
    for (auto _ : state) benchmark::DoNotOptimize(documentMatchesFile(d, path));
}

}  // namespace

BENCHMARK(BM_Read);
BENCHMARK(BM_Compare);
BENCHMARK(BM_Write);
BENCHMARK(BM_WriteFile);
BENCHMARK(BM_CompareFile);
BENCHMARK_MAIN();
