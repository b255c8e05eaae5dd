#include "module/serial_byte_link.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <algorithm>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace vireo {

namespace {

// The serial port library reports a device held by someone else and a device the user may
// not open with the same code. Tell them apart by asking whether this user could open it.
LinkOpenResult permissionFailure(const QString& device) {
#ifdef Q_OS_WIN
    Q_UNUSED(device);
    return LinkOpenResult::InUse;  // Windows refuses access to a COM port that is open elsewhere
#else
    const QByteArray path = QFileInfo(device).absoluteFilePath().toLocal8Bit();
    return ::access(path.constData(), R_OK | W_OK) == 0 ? LinkOpenResult::InUse
                                                        : LinkOpenResult::PermissionDenied;
#endif
}

LinkOpenResult resultFor(QSerialPort::SerialPortError error, const QString& device) {
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return LinkOpenResult::NoSuchPort;
        case QSerialPort::PermissionError:
            return permissionFailure(device);
        case QSerialPort::OpenError:  // this link holds it already
            return LinkOpenResult::InUse;
        default:
            return LinkOpenResult::OtherError;
    }
}

}  // namespace

SerialByteLink::SerialByteLink() = default;

SerialByteLink::~SerialByteLink() {
    close();
}

LinkOpenStatus SerialByteLink::open(const QString& device) {
    LinkOpenStatus status;
    status.device = device;
    if (device.isEmpty()) {
        status.result = LinkOpenResult::NoSuchPort;
        status.reason = QStringLiteral("no device is assigned to this port");
        return status;
    }
    if (port_.isOpen()) port_.close();
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (port_.open(QIODevice::ReadWrite)) return status;
    status.result = resultFor(port_.error(), device);
    status.reason = port_.errorString();
    port_.clearError();
    return status;
}

void SerialByteLink::close() {
    if (port_.isOpen()) port_.close();
    port_.clearError();
}

bool SerialByteLink::isOpen() const {
    return port_.isOpen();
}

void SerialByteLink::discardInput() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);
    port_.readAll();  // whatever the library had buffered already
}

void SerialByteLink::send(const QByteArray& bytes) {
    if (!port_.isOpen()) return;
    port_.write(bytes);
    port_.flush();
    if (port_.bytesToWrite() > 0) port_.waitForBytesWritten(100);
}

int SerialByteLink::bytesWaiting() {
    if (!port_.isOpen()) return 0;
    // Polling: move what the system received into the port's buffer without blocking.
    if (port_.bytesAvailable() == 0) port_.waitForReadyRead(0);
    port_.clearError();  // a poll that found nothing reports a time-out; it is not a failure
    return static_cast<int>(port_.bytesAvailable());
}

QByteArray SerialByteLink::readAll() {
    if (!port_.isOpen()) return {};
    bytesWaiting();
    return port_.readAll();
}

SerialByteLink::LineSettings SerialByteLink::lineSettings() const {
    return {port_.baudRate(), port_.dataBits(), port_.parity(), port_.stopBits(),
            port_.flowControl()};
}

bool SerialByteLink::waitForBytes(int ms) {
    if (!port_.isOpen()) return false;
    const QDeadlineTimer deadline(std::max(ms, 0), Qt::PreciseTimer);
    // A plain blocking wait: the system call returns as soon as a byte arrives. The exchange runs
    // on a thread of its own, so there is nothing else to serve meanwhile.
    for (;;) {
        if (bytesWaiting() > 0) return true;
        const qint64 leftNs = deadline.remainingTimeNSecs();
        if (leftNs <= 0) return false;
        port_.waitForReadyRead(static_cast<int>((leftNs + 999'999) / 1'000'000));
        port_.clearError();
    }
}

}  // namespace vireo
