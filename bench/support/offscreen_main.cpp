// The main function of the benchmarks that draw: fonts and images need a QGuiApplication, which
// here runs offscreen, so no display is needed.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
