#include "recovery/recovery_entry.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace vireo {

namespace {
const QString kPath = QStringLiteral("path");
const QString kSequence = QStringLiteral("sequence");
const QString kChanged = QStringLiteral("changed");
}  // namespace

QByteArray sidecarJson(const RecoveryEntry& entry) {
    QJsonObject object;
    object.insert(kPath, entry.path.isEmpty() ? QJsonValue() : QJsonValue(entry.path));
    object.insert(kSequence, entry.activeSequence);
    object.insert(kChanged, entry.changed.toUTC().toString(Qt::ISODateWithMs));
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
    return true;
}

}  // namespace vireo
