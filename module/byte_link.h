#pragma once

#include <QByteArray>
#include <QString>

namespace vireo {

// How opening a serial device ended. "In use" and "no such port" are told apart because the
// user gets a different message for each.
enum class LinkOpenResult { Ok, NoSuchPort, InUse, PermissionDenied, OtherError };

struct LinkOpenStatus {
    LinkOpenResult result = LinkOpenResult::Ok;
    QString device;  // the device the open tried to reach
    QString reason;  // the system's wording of the failure, empty on success

    bool ok() const { return result == LinkOpenResult::Ok; }
};

// The byte line to the module: open, send, poll. The real one is a serial port; tests use a
// scripted fake or the virtual module on a pseudo-terminal. The program only polls: nothing
// happens on the line unless one of these is called.
class ByteLink {
  public:
    virtual ~ByteLink() = default;

    virtual LinkOpenStatus open(const QString& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Throws away every byte received and not yet read.
    virtual void discardInput() = 0;
    virtual void send(const QByteArray& bytes) = 0;
    virtual int bytesWaiting() = 0;
    // Every waiting byte, in order; afterwards nothing waits.
    virtual QByteArray readAll() = 0;
    // Waits at most ms milliseconds for a byte to wait, blocking the calling thread (no events
    // run meanwhile). Returns whether bytes are waiting. Returns at once when bytes already wait.
    virtual bool waitForBytes(int ms) = 0;
};

}  // namespace vireo
