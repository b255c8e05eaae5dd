#include "module/port_names.h"

#include <QCollator>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

namespace vireo {

namespace {

int deviceGroup(const QString& device) {
    const QString name = QFileInfo(device).fileName();
    if (name.startsWith(QLatin1String("ttyUSB"))) return 0;
    if (name.startsWith(QLatin1String("ttyACM"))) return 1;
    return 2;
}

QString processEnvironment(const QString& name) {
    return qEnvironmentVariable(name.toLatin1().constData());
}

}  // namespace

QString portCaption(int n) {
    return QStringLiteral("Com ") + QString::number(n);
}

QString portPinVariable(int n) {
    return QStringLiteral("VIREO_COM") + QString::number(n);
}

QStringList orderedSerialDevices(QStringList devices) {
    QCollator collator;
    collator.setNumericMode(true);
    std::stable_sort(devices.begin(), devices.end(), [&](const QString& a, const QString& b) {
        const int ga = deviceGroup(a);
        const int gb = deviceGroup(b);
        if (ga != gb) return ga < gb;
        return collator.compare(a, b) < 0;
    });
    devices.removeDuplicates();
    return devices;
}

QString devicePathForPort(int n, const QStringList& systemDevices,
                          const EnvironmentLookup& environment) {
    if (n < kFirstPortNumber || n > kLastPortNumber) return {};
    const QString pinned = environment ? environment(portPinVariable(n)) : QString();
    if (!pinned.isEmpty()) return pinned;
#ifdef Q_OS_WIN
    Q_UNUSED(systemDevices);
    return QStringLiteral("COM") + QString::number(n);
#else
    const QStringList ordered = orderedSerialDevices(systemDevices);
    return n <= ordered.size() ? ordered.at(n - 1) : QString();
#endif
}

QStringList systemSerialDevices() {
    QStringList devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices << info.systemLocation();
    return devices;
}

QString systemDeviceForPort(int n) {
    return devicePathForPort(n, systemSerialDevices(), processEnvironment);
}

}  // namespace vireo
