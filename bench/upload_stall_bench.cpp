// The GUI thread's longest stall while the main window sends a 510-byte image to the virtual
// module at 9600 baud. A timer on the GUI thread is due every 5 ms; each tick records how much
// later than due it came, and the longest lateness of a run is the longest time the window could
// neither repaint nor take input. Runs offscreen and starts vireo-module-sim from its own folder.
// Usage: upload_stall_bench [RUNS]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "app/startup.h"
#include "config/settings_keys.h"
#include "platform/program_folder.h"
#include "platform/silent_prompter.h"
#include "ui/main_window.h"

using namespace vireo;

namespace {

constexpr int kTickMs = 5;

// Drops every message but counts them, so a run that did not end in one report is noticed.
class CountingPrompter : public SilentPrompter {
  public:
    void message(const QString& text, const QString&, PromptIcon) override {
        ++messages;
        last = text;
    }
    int messages = 0;
    QString last;
};

// 83 rows with all four corners and a new on-time (6 bytes each) and one row with corner 1 and
// a new on-time (3 bytes): 9 header bytes + 501 = 510, as bench/upload_bench.sh sends.
Document fullDocument(const MainWindow& w) {
    Document d;
    d.model = w.vehicleSettings().model();
    d.options = w.vehicleSettings().optionString();
    for (int r = 0; r < 83; ++r)
        d.sequences[kWelcome].append(
            Step{OnTime::ofTenths(r % 2 ? 10 : 20), QString(), {1, 2, 3, 4}});
    d.sequences[kWelcome].append(Step{OnTime::ofTenths(5), QString(), {7, 0, 0, 0}});
    return d;
}

struct RunFigures {
    qint64 longestStallMs = 0;
    qint64 uploadMs = 0;
    bool succeeded = false;
};

RunFigures measureUpload(MainWindow& w, CountingPrompter& prompter) {
    RunFigures figures;
    const int messagesBefore = prompter.messages;
    QElapsedTimer clock;
    clock.start();
    qint64 due = kTickMs;
    QEventLoop untilEnded;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        figures.longestStallMs = std::max(figures.longestStallMs, now - due);
        due = now + kTickMs;
        if (!w.module().exchangeRunning()) untilEnded.quit();
    });
    ticks.start(kTickMs);
    w.findChild<QPushButton*>(QStringLiteral("cmdDaten"))->click();
    // A window that sends synchronously has finished by now; one that sends on a worker ends
    // when the exchange does.
    if (w.module().exchangeRunning()) untilEnded.exec();
    figures.uploadMs = clock.elapsed();
    ticks.stop();
    figures.succeeded =
        prompter.messages == messagesBefore + 1 && prompter.last.contains(QStringLiteral("100 %"));
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 5;
    QTextStream out(stdout);

    QTemporaryDir work;
    const QString link = work.filePath(QStringLiteral("module"));
    QProcess sim;
    sim.start(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vireo-module-sim")),
        {QStringLiteral("--link"), link, QStringLiteral("--baud"), QStringLiteral("9600"),
         QStringLiteral("--keep-running")});
    if (!sim.waitForReadyRead(10000) || !sim.readLine().startsWith("READY")) {
        QTextStream(stderr) << "the virtual module did not start\n";
        return 1;
    }
    qputenv("VIREO_COM1", link.toLocal8Bit());

    setProgramFolder(QCoreApplication::applicationDirPath());
    MemorySettingsStore store;
    store.write(settings_keys::kLanguage, QStringLiteral("Deutsch"));
    store.write(settings_keys::kVehicleType, QStringLiteral("111"));
    store.write(settings_keys::kPort, QStringLiteral("1"));
    CountingPrompter prompter;
    StartupFlow flow;
    flow.context.settings = &store;
    flow.context.prompter = &prompter;
    flow.context.clock = &systemClock();
    flow.context.xdgDataFolder = work.filePath(QStringLiteral("xdg"));
    flow.context.dataFolder = work.filePath(QStringLiteral("data"));
    flow.context.execDialog = [](QDialog&) { return 1; };
    std::unique_ptr<MainWindow> window = flow.start();
    QApplication::processEvents();
    window->session().resetDocument(fullDocument(*window));

    std::vector<qint64> stalls;
    for (int run = 1; run <= runs; ++run) {
        const RunFigures figures = measureUpload(*window, prompter);
        if (!figures.succeeded) {
            QTextStream(stderr) << "run " << run
                                << " did not end in the success report: " << prompter.last << "\n";
            return 1;
        }
        stalls.push_back(figures.longestStallMs);
        out << "run " << run << ": upload " << figures.uploadMs << " ms, longest GUI stall "
            << figures.longestStallMs << " ms\n";
    }
    std::sort(stalls.begin(), stalls.end());
    out << "longest GUI stall: median " << stalls[stalls.size() / 2] << " ms, worst "
        << stalls.back() << " ms (timer due every " << kTickMs << " ms)\n";

    window->session().resetDocument(Document{});  // nothing to ask about when the window goes
    window.reset();
    sim.terminate();  // it keeps running for further uploads until told to stop
    sim.waitForFinished(3000);
    return 0;
}
