#include "module/module_port.h"

#include <utility>

namespace vireo {

ModulePort::ModulePort(ByteLink& link, Clock& clock, DeviceResolver resolver)
    : link_(link), clock_(clock), resolver_(std::move(resolver)), exchanger_(link, clock) {}

QString ModulePort::device() const {
    return resolver_ ? resolver_(number_) : QString();
}

LinkOpenStatus ModulePort::open() {
    if (link_.isOpen()) link_.close();
    const QString path = device();
    if (path.isEmpty()) {
        LinkOpenStatus status;
        status.result = LinkOpenResult::NoSuchPort;
        status.reason = QStringLiteral("no device is assigned to this port");
        return status;
    }
    return link_.open(path);
}

void ModulePort::close() {
    if (link_.isOpen()) link_.close();
}

ModuleOperation::ModuleOperation(ModulePort& port)
    : port_(port), started_(!port.operationRunning_) {
    if (started_) port_.operationRunning_ = true;
}

ModuleOperation::~ModuleOperation() {
    if (started_) port_.operationRunning_ = false;
}

}  // namespace vireo
