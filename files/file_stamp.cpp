#include "files/file_stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace vireo {

QByteArray sha256Hex(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

std::optional<FileStamp> stampFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    FileStamp stamp;
    const QByteArray bytes = file.readAll();
    stamp.size = bytes.size();
    stamp.modified = QFileInfo(file).lastModified().toUTC();
    stamp.sha256 = sha256Hex(bytes);
    return stamp;
}

bool fileChangedSince(const QString& path, const FileStamp& stamp) {
    const std::optional<FileStamp> now = stampFile(path);
    if (!now) return true;
    return now->size != stamp.size || now->sha256 != stamp.sha256;
}

}  // namespace vireo
