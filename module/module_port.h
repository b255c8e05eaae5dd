#pragma once

#include <QString>
#include <functional>

#include "module/byte_link.h"
#include "module/link_exchanger.h"
#include "platform/clock.h"

namespace vireo {

// The serial port of the module: the chosen port number (1-20), the link it opens, and the
// exchange over it. Closed between operations with the module.
class ModulePort {
  public:
    using DeviceResolver = std::function<QString(int portNumber)>;

    // The resolver names the device of a port number (see port_names.h); empty means the
    // port does not exist here.
    ModulePort(ByteLink& link, Clock& clock, DeviceResolver resolver);

    int number() const { return number_; }
    void setNumber(int n) { number_ = n; }
    QString device() const;

    // Closes the port if it is open, then opens the device of the current number.
    LinkOpenStatus open();
    void close();
    bool isOpen() const { return link_.isOpen(); }

    ByteLink& link() { return link_; }
    LinkExchanger& exchanger() { return exchanger_; }
    Clock& clock() { return clock_; }

    // True while an operation with the module (a handshake and what follows it) runs; a second
    // one must not start on the same line meanwhile.
    bool operationRunning() const { return operationRunning_; }

  private:
    friend class ModuleOperation;

    ByteLink& link_;
    Clock& clock_;
    DeviceResolver resolver_;
    LinkExchanger exchanger_;
    int number_ = 1;
    bool operationRunning_ = false;
};

// Marks an operation with the module for its lifetime; started() is false when another one
// runs already, and then the caller must leave the port alone.
class ModuleOperation {
  public:
    explicit ModuleOperation(ModulePort& port);
    ~ModuleOperation();
    ModuleOperation(const ModuleOperation&) = delete;
    ModuleOperation& operator=(const ModuleOperation&) = delete;

    bool started() const { return started_; }

  private:
    ModulePort& port_;
    bool started_;
};

}  // namespace vireo
