// What a kill at a random moment loses: a child process edits a document as fast as it can, the
// journal writing after every edit, and tells each edit once the journal has written it; the
// parent kills it with SIGKILL after a random time and reads the entry the child left. An edit
// counts as lost when the entry holds an older document than the last edit the child told.
//
//   journal_kill_bench [TRIES]      (default 100)
#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <cstdio>

#include "platform/clock.h"
#include "recovery/recovery_journal.h"
#include "recovery/recovery_store.h"
#include "sequence/document_editor.h"

using namespace vireo;

namespace {

// Edit n as lamp bytes of the one row, so the entry tells which edit it holds.
LampBytes lampsOf(int n) {
    return {n % 64, (n / 64) % 64, (n / 4096) % 64, 0};
}
int editOf(const LampBytes& lamps) {
    return lamps[0] + lamps[1] * 64 + lamps[2] * 4096;
}

[[noreturn]] void editForEver(const QString& dataFolder) {
    DocumentEditor editor;
    const RecoveryStore store(dataFolder);
    RecoveryJournal journal(store, editor,
                            JournalSource{[] { return QString(); }, [] { return kWelcome; },
                                          [&] { return !editor.document().isEmpty(); }},
                            systemClock());
    for (int n = 1;; ++n) {
        editor.commit(kWelcome, {Step{OnTime::ofTenths(1), QString(), lampsOf(n)}}, {}, {},
                      QStringLiteral("edit"));
        journal.writeNow();  // what the queued call does before the next input
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--child")) editForEver(args[2]);

    const int tries = args.size() > 1 ? args[1].toInt() : 100;
    int lostEdits = 0, triesWithLoss = 0, damaged = 0, edits = 0;
    for (int t = 0; t < tries; ++t) {
        QTemporaryDir data;
        QProcess child;
        child.start(app.applicationFilePath(), {QStringLiteral("--child"), data.path()});
        child.waitForStarted();
        QThread::msleep(50 + QRandomGenerator::global()->bounded(250));
        child.kill();  // SIGKILL
        child.waitForFinished();
        const QList<QByteArray> told = child.readAllStandardOutput().split('\n');
        int lastTold = 0;
        for (const QByteArray& line : told)
            if (!line.isEmpty()) lastTold = line.toInt();
        const RecoveryStore::Scan scan = RecoveryStore(data.path()).scan();
        damaged += int(scan.damaged.size());
        const int kept = scan.entries.isEmpty()
                             ? 0
                             : editOf(scan.entries.first().document.sequences[kWelcome][0].lamps);
        edits += lastTold;
        if (kept < lastTold) {
            lostEdits += lastTold - kept;
            ++triesWithLoss;
        }
    }
    QTextStream(stdout) << tries << " kills after " << edits << " journaled edits: " << lostEdits
                        << " edits lost (in " << triesWithLoss << " tries), " << damaged
                        << " damaged entries\n";
    return lostEdits == 0 && damaged == 0 ? 0 : 1;
}
