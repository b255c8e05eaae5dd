#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>

class QObject;

namespace vireo {

// A timer that ticks again and again, every interval, until it is stopped: what a running
// playback steps by. It ticks on the thread of the context it was made for, never after that
// context (or the timer) is gone.
class RepeatingTimer {
  public:
    virtual ~RepeatingTimer() = default;
    // Starts, or starts anew: the first tick comes ms from now, then one every ms.
    virtual void start(int ms) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// Time as the program waits for it: a monotonic clock (so midnight or a changed system time
// cannot stall a wait). The window's thread never waits: it sets timers (singleShot, makeTimer).
// Waits block the calling thread, and belong on a thread that has nothing else to serve
// meanwhile (the serial line's, a command-line tool's).
class Clock {
  public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;
    // Blocks the calling thread for the given time.
    virtual void wait(int ms) = 0;
    // Runs `then` once, ms from now, on the thread of `context`, unless `context` is gone by
    // then. Nothing waits meanwhile: the caller returns at once.
    virtual void singleShot(int ms, QObject* context, std::function<void()> then) = 0;
    // A stopped timer that runs `tick` on the thread of `context` at every tick once started.
    // Its ticks need that thread's event loop.
    virtual std::unique_ptr<RepeatingTimer> makeTimer(QObject* context,
                                                      std::function<void()> tick) = 0;
};

class SteadyClock : public Clock {
  public:
    qint64 nowMs() const override;
    void wait(int ms) override;
    void singleShot(int ms, QObject* context, std::function<void()> then) override;
    // A precise QTimer: the intervals of a playback are kept to the millisecond.
    std::unique_ptr<RepeatingTimer> makeTimer(QObject* context,
                                              std::function<void()> tick) override;
};

// The clock of a thread without an event loop (the serial line's): a timer there is a wait, then
// the function.
class SleepingClock : public SteadyClock {
  public:
    void singleShot(int ms, QObject* context, std::function<void()> then) override;
};

// The clock the program uses unless a test put another in place.
Clock& systemClock();

}  // namespace vireo
