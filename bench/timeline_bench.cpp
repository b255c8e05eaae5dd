// Costs of the lamp timeline and the memory meter on a 500-step sequence: a full repaint, the
// repaint of one changed column, a cell toggle up to its repainted column, hit-testing and the
// meter's rebuild after an edit.
#include <benchmark/benchmark.h>

#include <QPainter>

#include "sequence/document_editor.h"
#include "text/language.h"
#include "timeline/lamp_rows.h"
#include "timeline/memory_meter.h"
#include "timeline/timeline_edits.h"
#include "timeline/timeline_geometry.h"
#include "timeline/timeline_painter.h"

using namespace vireo;

namespace {

using G = TimelineGeometry;

// Steps of 0.1 .. 1.0 s with changing lamps and a loop every 50 steps.
Sequence showOf(int steps) {
    Sequence rows;
    for (int i = 0; i < steps; ++i) {
        Step step;
        step.time = OnTime::ofTenths(1 + i % 9);
        step.lamps = {i % 64, (i * 7) % 64, (i * 13) % 64, (i * 29) % 64};
        if (i % 50 < 10) step.loop = QStringLiteral("S %1 / 4 x").arg(1 + i / 50, 2);
        rows.append(step);
    }
    return rows;
}

struct Fixture {
    Sequence rows = showOf(500);
    TimelineGeometry geometry{rows, G::kDefaultScale};
    QVector<LoopSpan> loops = loopSpans(rows);
    TimelineTexts texts = timelineTexts(LanguageTable::builtIn());
};

void BM_FullRepaint500(benchmark::State& state) {
    Fixture f;
    const int width = G::kLabelWidth + f.geometry.contentWidth();
    QImage image(width, G::height(), QImage::Format_ARGB32_Premultiplied);
    const TimelineScene scene{&f.rows, &f.geometry, &f.loops, &f.texts, {}};
    for (auto _ : state) {
        QPainter painter(&image);
        paintTimeline(painter, scene, 0, width, image.rect());
    }
    state.counters["width_px"] = width;
}

// A window-wide view (1600 px) scrolled to the middle: what one paint event of the widget costs.
void BM_ViewRepaint(benchmark::State& state) {
    Fixture f;
    QImage image(1600, G::height(), QImage::Format_ARGB32_Premultiplied);
    const TimelineScene scene{&f.rows, &f.geometry, &f.loops, &f.texts, {}};
    const int scroll = f.geometry.contentWidth() / 2;
    for (auto _ : state) {
        QPainter painter(&image);
        paintTimeline(painter, scene, scroll, image.width(), image.rect());
    }
}

// A click: the undoable edit through the document editor, the check that only lamps changed,
// and the repaint of the one changed column.
void BM_ToggleToRepainted(benchmark::State& state) {
    Fixture f;
    DocumentEditor editor;
    Document d;
    d.sequences[kWelcome] = f.rows;
    editor.reset(d);
    editor.undoStack()->setUndoLimit(100);  // the history of many iterations stays small
    const LanguageTable& texts = LanguageTable::builtIn();
    QImage image(1600, G::height(), QImage::Format_ARGB32_Premultiplied);
    const int step = 250;
    const int scroll = f.geometry.columnLeft(step) - 400;
    Sequence shown = editor.sequence(kWelcome);
    for (auto _ : state) {
        switchLampRun(editor, kWelcome, {step, 5}, step, {}, texts);
        const Sequence& now = editor.sequence(kWelcome);
        int changed = -1;
        for (int i = 0; i < now.size(); ++i)
            if (now[i].lamps != shown[i].lamps) changed = i;
        shown = now;
        const TimelineScene scene{&now, &f.geometry, &f.loops, &f.texts, {}};
        const QRect column(viewX(f.geometry.columnLeft(changed), scroll), 0,
                           f.geometry.columnWidth(changed), G::height());
        QPainter painter(&image);
        paintTimeline(painter, scene, scroll, image.width(), column);
    }
}

void BM_HitTest(benchmark::State& state) {
    Fixture f;
    const int width = f.geometry.contentWidth();
    int x = 0;
    for (auto _ : state) {
        x = (x + 7919) % width;
        benchmark::DoNotOptimize(f.geometry.cellAt(QPoint(x, G::rowTop(x % kLampRowCount) + 3)));
    }
}

// The meter after an edit: a document that fits (2 x 60 steps) and one far too big
// (2 x 500 steps: the builder runs twice to say how much too big).
void BM_MeterRebuild(benchmark::State& state) {
    Document d;
    d.sequences[kWelcome] = showOf(static_cast<int>(state.range(0)));
    d.sequences[kGoodbye] = showOf(static_cast<int>(state.range(0)));
    const VehicleOptions options;
    for (auto _ : state)
        benchmark::DoNotOptimize(readMemoryMeter(d, options, 30, kDefaultModuleCapacity));
}

}  // namespace

BENCHMARK(BM_FullRepaint500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToggleToRepainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HitTest);
BENCHMARK(BM_MeterRebuild)->Arg(60)->Arg(500)->Unit(benchmark::kMicrosecond);
