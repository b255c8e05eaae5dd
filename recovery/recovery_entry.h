#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "files/file_stamp.h"
#include "sequence/document.h"

namespace vireo {

// One window's unsaved document as the recovery journal keeps it: the document (a .kvs file) and
// its sidecar (a small JSON file) with what the document alone does not say.
struct RecoveryEntry {
    QString name;  // the entry's file names without their extension
    QString path;  // the file the document belongs to; empty for an untitled document
    int activeSequence = 0;
    QDateTime changed;  // the time of the last change
    Document document;
    // The file as the window last opened or saved it (size and hash; no time): a save of the
    // restored document asks when the file has changed since. None when untitled or unknown.
    std::optional<FileStamp> fileStamp;
};

// The sidecar of an entry: {"path": "..." or null, "sequence": 0|1, "changed": ISO time}, and
// with a known file stamp "fileSize": bytes, "fileSha256": hex digits.
QByteArray sidecarJson(const RecoveryEntry& entry);
// Reads a sidecar into `entry` (path, sequence, time); false when it is not such a JSON object.
bool readSidecarJson(const QByteArray& json, RecoveryEntry* entry);

}  // namespace vireo
