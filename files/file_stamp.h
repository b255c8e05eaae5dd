#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace vireo {

// What a file was at one moment: its size, modification time and a hash of its bytes. A document
// keeps the stamp of its file as it was opened or last saved, so that a save can tell whether
// someone else wrote the file meanwhile.
struct FileStamp {
    qint64 size = 0;
    QDateTime modified;
    QByteArray sha256;  // the hash of the bytes, as hex digits
};

// The stamp of the file as it is now; nullopt when it is not there or cannot be read.
std::optional<FileStamp> stampFile(const QString& path);
// The stamp of bytes written as a file (for the bytes a save wrote, before its time is known).
QByteArray sha256Hex(const QByteArray& bytes);

// True when the file is no longer what `stamp` describes: it changed in size or in content, or
// it is gone. A file whose time alone moved (touched, or copied back unchanged) holds the same
// document and is no change.
bool fileChangedSince(const QString& path, const FileStamp& stamp);

}  // namespace vireo
