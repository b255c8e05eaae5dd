#include "platform/clock.h"

#include <QElapsedTimer>
#include <QPointer>
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

class QtRepeatingTimer : public RepeatingTimer {
  public:
    QtRepeatingTimer(QObject* context, std::function<void()> tick) : timer_(new QTimer(context)) {
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, timer_, std::move(tick));
    }
    // The QTimer is a child of the context: it goes with the context or with this, whichever
    // goes first.
    ~QtRepeatingTimer() override { delete timer_.data(); }
    void start(int ms) override {
        if (timer_) timer_->start(ms);
    }
    void stop() override {
        if (timer_) timer_->stop();
    }
    bool isActive() const override { return timer_ && timer_->isActive(); }

  private:
    QPointer<QTimer> timer_;
};
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

std::unique_ptr<RepeatingTimer> SteadyClock::makeTimer(QObject* context,
                                                       std::function<void()> tick) {
    return std::make_unique<QtRepeatingTimer>(context, std::move(tick));
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
