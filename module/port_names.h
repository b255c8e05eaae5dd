#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vireo {

// The menu offers "Com 1" to "Com 20". On Windows item n is the port COMn. Elsewhere item n
// reaches the n-th serial device the system lists, USB adapters (ttyUSB*) first, then ACM
// devices (ttyACM*), then the rest; the environment variable VIREO_COMn pins item n to any
// path (a USB adapter, a pseudo-terminal link), and a pin wins over the list.
constexpr int kFirstPortNumber = 1;
constexpr int kLastPortNumber = 20;

// Reads one environment variable; empty when unset.
using EnvironmentLookup = std::function<QString(const QString& name)>;

// The menu caption of port n: "Com n".
QString portCaption(int n);

// Name of the variable that pins port n: "VIREO_COMn".
QString portPinVariable(int n);

// Devices in menu order: ttyUSB*, ttyACM*, the rest; each group in natural order (ttyUSB2
// before ttyUSB10).
QStringList orderedSerialDevices(QStringList devices);

// The device port n reaches given the system's devices (in any order) and the environment;
// empty when none.
QString devicePathForPort(int n, const QStringList& systemDevices,
                          const EnvironmentLookup& environment);

// The same on the running system (its serial devices and the process environment).
QStringList systemSerialDevices();
QString systemDeviceForPort(int n);

}  // namespace vireo
