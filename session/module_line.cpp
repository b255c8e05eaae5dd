#include "session/module_line.h"

#include <QMutexLocker>

#include "module/serial_byte_link.h"

namespace vireo {

namespace {

// The serial link, telling whether it is open to other threads without touching the port.
class WatchedSerialLink : public SerialByteLink {
  public:
    explicit WatchedSerialLink(std::atomic<bool>& open) : open_(open) {}
    LinkOpenStatus open(const QString& device) override {
        const LinkOpenStatus status = SerialByteLink::open(device);
        open_ = isOpen();
        return status;
    }
    void close() override {
        SerialByteLink::close();
        open_ = false;
    }

  private:
    std::atomic<bool>& open_;
};

}  // namespace

ModuleLine::ModuleLine(ModulePort::DeviceResolver resolver, QObject* parent)
    : QThread(parent), resolver_(std::move(resolver)) {}

ModuleLine::~ModuleLine() {
    {
        const QMutexLocker lock(&mutex_);
        stopping_ = true;
    }
    wake_.wakeAll();
    wait();
}

void ModuleLine::post(int portNumber, Job job) {
    {
        const QMutexLocker lock(&mutex_);
        jobs_.push_back({portNumber, std::move(job)});
    }
    wake_.wakeAll();
}

void ModuleLine::run() {
    WatchedSerialLink link(portOpen_);
    SleepingClock clock;
    ModulePort port(link, clock, resolver_);
    for (;;) {
        Entry next;
        {
            QMutexLocker lock(&mutex_);
            while (jobs_.empty() && !stopping_) wake_.wait(&mutex_);
            if (jobs_.empty()) break;
            next = std::move(jobs_.front());
            jobs_.pop_front();
        }
        port.setNumber(next.portNumber);
        next.job(port);
        port.close();
        emit jobFinished();
    }
}

}  // namespace vireo
