#include "recovery/recovery_entry.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace vireo {

namespace {
const QString kPath = QStringLiteral("path");
const QString kSequence = QStringLiteral("sequence");
const QString kChanged = QStringLiteral("changed");
const QString kFileSize = QStringLiteral("fileSize");
const QString kFileSha256 = QStringLiteral("fileSha256");
}  // namespace

QByteArray sidecarJson(const RecoveryEntry& entry) {
    QJsonObject object;
    object.insert(kPath, entry.path.isEmpty() ? QJsonValue() : QJsonValue(entry.path));
    object.insert(kSequence, entry.activeSequence);
    object.insert(kChanged, entry.changed.toUTC().toString(Qt::ISODateWithMs));
    if (entry.fileStamp) {
        object.insert(kFileSize, entry.fileStamp->size);
        object.insert(kFileSha256, QString::fromLatin1(entry.fileStamp->sha256));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool readSidecarJson(const QByteArray& json, RecoveryEntry* entry) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return false;
    const QJsonObject object = document.object();
    const QJsonValue path = object.value(kPath);
    const QJsonValue sequence = object.value(kSequence);
    const QDateTime changed =
        QDateTime::fromString(object.value(kChanged).toString(), Qt::ISODateWithMs);
    if (!(path.isNull() || path.isString()) || !sequence.isDouble() || !changed.isValid())
        return false;
    const int s = sequence.toInt(-1);
    if (s != kWelcome && s != kGoodbye) return false;
    entry->path = path.toString();
    entry->activeSequence = s;
    entry->changed = changed;
    // The stamp is a later addition: a sidecar without it (or with a broken one) is still whole.
    entry->fileStamp.reset();
    const QJsonValue size = object.value(kFileSize);
    const QJsonValue sha256 = object.value(kFileSha256);
    if (size.isDouble() && sha256.isString() && !sha256.toString().isEmpty()) {
        FileStamp stamp;
        stamp.size = qint64(size.toDouble());
        stamp.sha256 = sha256.toString().toLatin1();
        entry->fileStamp = stamp;
    }
    return true;
}

}  // namespace vireo
