#include "platform/clock.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

namespace vireo {

namespace {
QElapsedTimer& processTimer() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
}  // namespace

qint64 SteadyClock::nowMs() const {
    return processTimer().elapsed();
}

void SteadyClock::wait(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void SteadyClock::singleShot(int ms, QObject* context, std::function<void()> then) {
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(then));
}

void SleepingClock::singleShot(int ms, QObject*, std::function<void()> then) {
    wait(ms);
    then();
}

Clock& systemClock() {
    static SteadyClock clock;
    return clock;
}

}  // namespace vireo
