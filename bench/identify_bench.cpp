// Time of one identification and one write frame against the virtual module at 9600 baud, and
// how long the exchange waits beyond the line time of request plus reply (in character times
// of 10 bits). Needs vireo-module-sim beside this program.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "module/handshake.h"
#include "module/link_exchanger.h"
#include "module/serial_byte_link.h"
#include "platform/clock.h"
#include "platform/silent_prompter.h"
#include "text/language.h"

namespace {

constexpr double kCharMs = 10.0 * 1000.0 / 9600.0;

using vireo::SilentPrompter;

struct Module {
    QTemporaryDir dir;
    QProcess process;
    QString link;
    Module() {
        link = dir.filePath(QStringLiteral("module"));
        process.start(
            QCoreApplication::applicationDirPath() + QStringLiteral("/vireo-module-sim"),
            {QStringLiteral("--link"), link, QStringLiteral("--baud"), QStringLiteral("9600")});
        while (!process.canReadLine() && process.waitForReadyRead(5000)) {
        }
        process.readLine();
    }
    ~Module() {
        process.closeWriteChannel();
        process.waitForFinished(3000);
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// One exchange of `frame`, whose request and reply take `lineChars` characters on the line.
void exchange(benchmark::State& state, const QByteArray& frame, int lineChars) {
    Module module;
    vireo::SerialByteLink link;
    if (!link.open(module.link).ok()) {
        state.SkipWithError("cannot open the virtual module");
        return;
    }
    vireo::LinkExchanger exchanger(link, vireo::systemClock());
    std::vector<double> ms;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray reply = exchanger.sendReceive(frame);
        const double t = timer.nsecsElapsed() / 1e6;
        state.SetIterationTime(t / 1000.0);
        ms.push_back(t);
        benchmark::DoNotOptimize(reply);
    }
    const double m = median(ms);
    state.counters["median_ms"] = m;
    state.counters["line_ms"] = lineChars * kCharMs;
    state.counters["beyond_line_chars"] = (m - lineChars * kCharMs) / kCharMs;
}

void BM_IdentifyExchange(benchmark::State& state) {
    exchange(state, QByteArrayLiteral("@#*"), 3 + 6);
}
BENCHMARK(BM_IdentifyExchange)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_WriteFrameExchange(benchmark::State& state) {
    exchange(state, QByteArray("\x00\x05\x2a", 3), 3 + 4);
}
BENCHMARK(BM_WriteFrameExchange)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

// The whole handshake as "Modul-Typ auslesen" runs it: open, identify, close.
void BM_Handshake(benchmark::State& state) {
    Module module;
    vireo::SerialByteLink link;
    vireo::ModulePort port(link, vireo::systemClock(), [&](int) { return module.link; });
    SilentPrompter prompter;
    std::vector<double> ms;
    for (auto _ : state) {
        vireo::ModuleIdentity identity;
        QElapsedTimer timer;
        timer.start();
        vireo::connectModule(port, identity, false, prompter, vireo::LanguageTable::builtIn(), {});
        port.close();
        const double t = timer.nsecsElapsed() / 1e6;
        state.SetIterationTime(t / 1000.0);
        ms.push_back(t);
        if (!identity.connected) state.SkipWithError("no module answered");
    }
    state.counters["median_ms"] = median(ms);
}
BENCHMARK(BM_Handshake)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
