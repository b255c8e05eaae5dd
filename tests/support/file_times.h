#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>

namespace vireo::test {

// Gives the file the modification time it would have had if it was saved at `time`.
inline bool setModified(const QString& path, const QDateTime& time) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return false;
    return file.setFileTime(time, QFileDevice::FileModificationTime);
}

}  // namespace vireo::test
