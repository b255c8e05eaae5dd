#pragma once

#include <QByteArray>

namespace vireo {

// One request/reply exchange with the module: sends the frame and returns what the module
// answered (empty when it answered nothing). The real one runs over the serial link; tests
// script one.
class Exchanger {
  public:
    virtual ~Exchanger() = default;
    virtual QByteArray sendReceive(const QByteArray& frame) = 0;
};

}  // namespace vireo
