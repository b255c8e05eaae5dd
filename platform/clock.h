#pragma once

#include <QtGlobal>
#include <functional>

class QObject;

namespace vireo {

// Time as the program waits for it: a monotonic clock (so midnight or a changed system time
// cannot stall a wait) and waits that keep the user interface live.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;
    // Waits the given time while pending window events run.
    virtual void wait(int ms) = 0;
    // Runs `then` once, ms from now, on the thread of `context`, unless `context` is gone by
    // then. Nothing waits meanwhile: the caller returns at once.
    virtual void singleShot(int ms, QObject* context, std::function<void()> then) = 0;
};

class SteadyClock : public Clock {
  public:
    qint64 nowMs() const override;
    void wait(int ms) override;
    void singleShot(int ms, QObject* context, std::function<void()> then) override;
};

// A clock whose waits block the calling thread and run no events: for a worker thread, where
// nothing waits to be handled meanwhile.
class SleepingClock : public Clock {
  public:
    qint64 nowMs() const override;
    void wait(int ms) override;
    // A thread without events to run waits the time out, then runs `then`.
    void singleShot(int ms, QObject* context, std::function<void()> then) override;
};

// The clock the program uses unless a test put another in place.
Clock& systemClock();

}  // namespace vireo
