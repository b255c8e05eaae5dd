// The line settings the serial link applies, read back from a pseudo-terminal it opened.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "module/serial_byte_link.h"

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace vireo {
namespace {

#if defined(Q_OS_LINUX)

// A pseudo-terminal pair; the link opens the terminal side like a serial device.
class PseudoTerminal {
  public:
    PseudoTerminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0)
            device_ = QString::fromLocal8Bit(::ptsname(master_));
    }
    ~PseudoTerminal() {
        if (master_ >= 0) ::close(master_);
    }
    QString device() const { return device_; }

  private:
    int master_ = -1;
    QString device_;
};

TEST(SerialByteLink, AppliesTheModulesLineSettings) {
    PseudoTerminal terminal;
    ASSERT_FALSE(terminal.device().isEmpty());

    // The terminal starts with other settings, so the link must set each value itself.
    const int before = ::open(terminal.device().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(before, 0);
    termios other{};
    ASSERT_EQ(::tcgetattr(before, &other), 0);
    ::cfsetispeed(&other, B19200);
    ::cfsetospeed(&other, B19200);
    other.c_cflag |= CSTOPB | CRTSCTS;
    other.c_iflag |= IXON | IXOFF;
    ASSERT_EQ(::tcsetattr(before, TCSANOW, &other), 0);

    SerialByteLink link;
    ASSERT_TRUE(link.open(terminal.device()).ok());

    termios applied{};
    ASSERT_EQ(::tcgetattr(before, &applied), 0);  // the settings belong to the device
    ::close(before);
    EXPECT_EQ(::cfgetospeed(&applied), speed_t(B9600));
    EXPECT_EQ(::cfgetispeed(&applied), speed_t(B9600));
    EXPECT_EQ(applied.c_cflag & CSTOPB, tcflag_t(0)) << "two stop bits";
    EXPECT_EQ(applied.c_cflag & CRTSCTS, tcflag_t(0)) << "hardware flow control";
    EXPECT_EQ(applied.c_iflag & (IXON | IXOFF), tcflag_t(0)) << "software flow control";

    // A pseudo-terminal always runs 8 data bits without parity, so the device cannot show
    // those two; the port tells what it was asked for.
    const SerialByteLink::LineSettings asked = link.lineSettings();
    EXPECT_EQ(asked.baudRate, 9600);
    EXPECT_EQ(asked.dataBits, QSerialPort::Data8);
    EXPECT_EQ(asked.parity, QSerialPort::NoParity);
    EXPECT_EQ(asked.stopBits, QSerialPort::OneStop);
    EXPECT_EQ(asked.flowControl, QSerialPort::NoFlowControl);
    link.close();
}

#endif

}  // namespace
}  // namespace vireo
