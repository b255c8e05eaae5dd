#pragma once

// Running vireo-cli and the virtual module as processes, for the end-to-end tests of the
// headless tools.
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QThread>

namespace vireo::test {

inline QString binPath(const char* program) {
    return QStringLiteral(VIREO_BIN_DIR "/") + QLatin1String(program);
}

struct CliRun {
    int exitCode = -1;  // -1 when the program crashed or did not finish
    QString out;
    QString err;
};

// Runs one of the built programs with `input` on its standard input (then closed) and waits for
// it to end; one that has not ended after a minute is killed and counts as not finished.
inline CliRun runProgram(
    const char* program, const QStringList& args, const QByteArray& input = {},
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(binPath(program), args);
    if (!process.waitForStarted()) return {};
    process.write(input);
    process.closeWriteChannel();  // the virtual module, too, ends when its input closes
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline CliRun runCli(const QStringList& args, const QByteArray& input = {}) {
    return runProgram("vireo-cli", args, input);
}

// vireo-cli with its settings (and everything else of the user's) under `home`, so a test can
// store settings without touching the real ones.
inline CliRun runCliAtHome(const QString& home, const QStringList& args) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    return runProgram("vireo-cli", args, {}, environment);
}

// One virtual module on a pseudo-terminal linked at `link`, for the object's lifetime; closing
// its stdin ends it.
class VirtualModule {
  public:
    explicit VirtualModule(const QString& link, const QStringList& options = {}) : link_(link) {
        process_.start(binPath("vireo-module-sim"),
                       QStringList{QStringLiteral("--link"), link} + options);
        QDeadlineTimer deadline(10000);
        while (!process_.canReadLine() && !deadline.hasExpired() &&
               process_.state() != QProcess::NotRunning)
            process_.waitForReadyRead(100);
        ready_ = QString::fromLatin1(process_.readLine()).startsWith(QLatin1String("READY /dev/"));
    }
    ~VirtualModule() {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(3000)) {
            process_.terminate();
            process_.waitForFinished(3000);
        }
    }
    bool ready() const { return ready_; }
    QString link() const { return link_; }

  private:
    QString link_;
    QProcess process_;
    bool ready_ = false;
};

// The dump the module wrote after an end frame ({"bytes": [...], "length": N, ...}); empty
// when none appeared within a few seconds.
inline QJsonObject dumpedMemory(const QString& path) {
    QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) return QJsonDocument::fromJson(file.readAll()).object();
        QThread::msleep(10);
    }
    return {};
}

// The dumped memory as the hex text `vireo-cli image` prints (addresses 1 .. highest written).
inline QString dumpedMemoryHex(const QString& path) {
    QStringList hex;
    const QJsonArray bytes = dumpedMemory(path).value(QStringLiteral("bytes")).toArray();
    for (const QJsonValue& b : bytes)
        hex << QStringLiteral("%1").arg(b.toInt(), 2, 16, QLatin1Char('0'));
    return hex.join(QLatin1Char(' '));
}

}  // namespace vireo::test
