#pragma once

#include <QSerialPort>

#include "module/byte_link.h"

namespace vireo {

// The byte link over a serial port with the module's fixed line settings: 9600 baud, 8 data
// bits, no parity, 1 stop bit, no flow control. Modem lines and buffer sizes stay as the
// system sets them. Reception is polled; no signal of the port is used.
class SerialByteLink : public ByteLink {
  public:
    SerialByteLink();
    ~SerialByteLink() override;

    LinkOpenStatus open(const QString& device) override;
    void close() override;
    bool isOpen() const override;
    void discardInput() override;
    void send(const QByteArray& bytes) override;
    int bytesWaiting() override;
    QByteArray readAll() override;
    bool waitForBytes(int ms) override;

    // The line settings of the port as the serial port library holds them. Some devices (a
    // pseudo-terminal) always run 8 data bits without parity whatever is asked, so these are
    // what shows that the module's settings were asked for.
    struct LineSettings {
        qint32 baudRate;
        QSerialPort::DataBits dataBits;
        QSerialPort::Parity parity;
        QSerialPort::StopBits stopBits;
        QSerialPort::FlowControl flowControl;
    };
    LineSettings lineSettings() const;

  private:
    QSerialPort port_;
};

}  // namespace vireo
