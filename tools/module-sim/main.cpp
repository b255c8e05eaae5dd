// vireo-module-sim: a virtual lighting module on a pseudo-terminal, for tests and for trying the
// program without the hardware.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTextStream>
#include <cerrno>
#include <cstdio>

#include "tools/module-sim/module_model.h"
#include "tools/module-sim/pseudo_terminal.h"
#include "tools/module-sim/sim_options.h"

namespace {

int stopPipe[2] = {-1, -1};

void onStopSignal(int) {
    const char b = 1;
    [[maybe_unused]] const ssize_t n = ::write(stopPipe[1], &b, 1);
}

qint64 nowNs() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

bool writeDump(const QString& path, const vireo::sim::ModuleModel& model) {
    QJsonArray bytes;
    const QVector<int> image = model.memoryImage();
    for (int b : image) bytes.append(b);
    QJsonObject root;
    root.insert(QStringLiteral("bytes"), bytes);
    root.insert(QStringLiteral("length"), image.size());
    root.insert(QStringLiteral("endFrames"), model.endFrames());
    // Written whole and then renamed, so a reader never sees half a dump.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
    return file.commit();
}

void writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EINTR && errno != EAGAIN) {
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const auto commandLine = vireo::sim::readSimCommandLine(app.arguments());
    if (const auto* reply = std::get_if<vireo::CommandLineReply>(&commandLine)) {
        QTextStream(stdout) << reply->out;
        err << reply->err;
        return reply->exitCode;
    }
    const vireo::sim::SimOptions* options = &std::get<vireo::sim::SimOptions>(commandLine);
    QString error;

    if (::pipe(stopPipe) != 0) return 1;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    vireo::sim::PseudoTerminal terminal;
    if (!terminal.open(options->link, &error)) {
        err << "vireo-module-sim: " << error << "\n";
        return 1;
    }
    std::printf("READY %s\n", terminal.device().toLocal8Bit().constData());
    std::fflush(stdout);

    vireo::sim::ModuleModel model(*options);
    const int master = terminal.masterFd();
    for (;;) {
        pollfd fds[3] = {{master, POLLIN, 0}, {stopPipe[0], POLLIN, 0}, {-1, POLLIN, 0}};
        if (!options->keepRunning) fds[2].fd = STDIN_FILENO;
        const qint64 next = model.nextEventNs();
        timespec timeout{};
        timespec* timeoutPtr = nullptr;
        if (next >= 0) {
            const qint64 left = std::max<qint64>(next - nowNs(), 0);
            timeout.tv_sec = left / 1'000'000'000;
            timeout.tv_nsec = left % 1'000'000'000;
            timeoutPtr = &timeout;
        }
        const int ready = ::ppoll(fds, 3, timeoutPtr, nullptr);
        if (ready < 0 && errno != EINTR) break;
        if (fds[1].revents) break;
        if (fds[2].revents) {
            char sink[256];
            if (::read(STDIN_FILENO, sink, sizeof sink) <= 0) break;  // stdin closed: stop
        }
        if (fds[0].revents & POLLIN) {
            char buffer[4096];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0) model.receive(QByteArray(buffer, n), nowNs());
        }
        const qint64 now = nowNs();
        model.advance(now);
        const QByteArray out = model.takeOutput(now);
        if (!out.isEmpty()) writeAll(master, out);
        if (model.takeEndFrame() && !options->dump.isEmpty() && !writeDump(options->dump, model))
            err << "vireo-module-sim: cannot write " << options->dump << "\n";
        err.flush();
    }
    return 0;
}
