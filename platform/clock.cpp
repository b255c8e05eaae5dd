#include "platform/clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
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
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    // An event loop with a precise timer: events keep running and the CPU stays idle.
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

void SteadyClock::singleShot(int ms, QObject* context, std::function<void()> then) {
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(then));
}

qint64 SleepingClock::nowMs() const {
    return processTimer().elapsed();
}

void SleepingClock::wait(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
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
