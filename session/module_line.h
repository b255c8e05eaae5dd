#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <deque>
#include <functional>

#include "module/module_port.h"

namespace vireo {

// The thread that owns the serial line to the module. The port (and the serial port object
// under it) is made, used and destroyed on this thread only; jobs given to it run there one
// after the other, with plain blocking waits, and report back by queued signals. The thread has
// no event loop: between jobs it sleeps until the next one comes.
class ModuleLine : public QThread {
    Q_OBJECT
  public:
    // A job gets the port with its number set; whatever it leaves open is closed after it.
    using Job = std::function<void(ModulePort& port)>;

    explicit ModuleLine(ModulePort::DeviceResolver resolver, QObject* parent = nullptr);
    // Lets the job that runs and those waiting end (an upload always sends its end frame), then
    // ends the thread.
    ~ModuleLine() override;

    // Runs the job on the line's thread on the port of the given number, after those before it.
    void post(int portNumber, Job job);
    // Whether the port is open now; readable from any thread.
    bool portOpen() const { return portOpen_; }

  signals:
    // A job has ended and the port is closed again.
    void jobFinished();

  protected:
    void run() override;

  private:
    struct Entry {
        int portNumber;
        Job job;
    };

    ModulePort::DeviceResolver resolver_;
    QMutex mutex_;
    QWaitCondition wake_;
    std::deque<Entry> jobs_;
    bool stopping_ = false;
    std::atomic<bool> portOpen_{false};
};

}  // namespace vireo
