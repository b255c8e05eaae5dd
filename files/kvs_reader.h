#pragma once

#include <QByteArrayView>
#include <QString>

#include "sequence/document.h"

namespace vireo {

enum class KvsVerdict {
    Loaded,      // the whole file was read and its checksum matches
    Damaged,     // checksum mismatch or a malformed body: nothing is taken over
    Unreadable,  // the file could not be opened or read
};

struct KvsReadResult {
    KvsVerdict verdict = KvsVerdict::Damaged;
    Document document;  // the loaded document; only meaningful when Loaded
    QString problem;    // what was wrong, for messages; empty when Loaded
};

// Reads the bytes of a .kvs file into a fresh document. The checksum is checked first; the
// option string is filled with "0" on the right to 20 characters. The caller takes the document
// over only when the verdict is Loaded, so a bad file never touches the open document.
KvsReadResult readKvs(QByteArrayView fileBytes);
KvsReadResult readKvsFile(const QString& path);

}  // namespace vireo
