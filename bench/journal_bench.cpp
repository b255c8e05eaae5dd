// The cost of the recovery journal per edit on the window's thread: the edit itself, then the
// whole document written to the recovery entry (the .kvs file and its sidecar, through the safe
// writer) after the unsaved-changes test against the saved file. The sync to the disk, batched
// on a worker thread in the editor, is measured apart.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "files/kvs_comparison.h"
#include "files/kvs_writer.h"
#include "files/safe_file_writer.h"
#include "platform/clock.h"
#include "recovery/recovery_journal.h"
#include "recovery/recovery_store.h"
#include "sequence/document_editor.h"

using namespace vireo;

namespace {

// Two sequences of `rows` steps each, every lamp byte different.
Document documentOf(int rows) {
    Document d;
    for (int s : {kWelcome, kGoodbye})
        for (int i = 0; i < rows; ++i)
            d.sequences[s].append(Step{OnTime::ofTenths(1 + i % 9),
                                       QString(),
                                       {i % 64, (i * 3) % 64, (i * 5) % 64, (i * 7) % 64}});
    return d;
}

void BM_JournaledEdit(benchmark::State& state) {
    QTemporaryDir data;
    const QString saved = data.filePath("show.kvs");
    DocumentEditor editor;
    editor.reset(documentOf(int(state.range(0))));
    writeKvsFile(saved, editor.document());
    const RecoveryStore store(data.path());
    RecoveryJournal journal(
        store, editor,
        JournalSource{[&] { return saved; }, [] { return kWelcome; },
                      [&] { return !documentMatchesFile(editor.document(), saved); }},
        systemClock());
    int lamp = 0;
    for (auto _ : state) {
        Sequence rows = editor.sequence(kWelcome);
        rows[0].lamps[0] = ++lamp % 64;
        editor.commit(kWelcome, rows, {}, {}, QStringLiteral("edit"));
        journal.writeNow();
    }
    journal.finish();
}
BENCHMARK(BM_JournaledEdit)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);

// What the worker thread does for one entry, at most once a second.
void BM_SyncEntryToDisk(benchmark::State& state) {
    QTemporaryDir data;
    const QString file = data.filePath("entry.kvs");
    const QByteArray bytes = kvsBytes(documentOf(100));
    for (auto _ : state) {
        writeFileSafely(file, bytes, DiskSync::Later);
        syncToDisk(file);
    }
}
BENCHMARK(BM_SyncEntryToDisk)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
