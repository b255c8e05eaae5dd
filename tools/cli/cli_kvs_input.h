#pragma once

#include <QLocale>
#include <QString>

#include "sequence/document.h"

namespace vireo::cli {

// Reads the .kvs file a command was given. Returns kOk and fills `document`, or prints a
// message naming the command, the file and the problem on stderr and returns kUsage (the file
// cannot be read) or kDamaged (checksum mismatch or malformed body).
int loadKvsFile(const QString& command, const QString& path, Document* document);

// Writes `document` to `path` through the safe writer, its on-times in `form`. Returns kOk, or
// prints why it cannot be stored or written on stderr and returns kUsage.
int storeKvsFile(const QString& command, const QString& path, const Document& document,
                 const QLocale& form = QLocale());

// Prints "vireo-cli COMMAND: WHAT: PROBLEM" on stderr.
void complain(const QString& command, const QString& what, const QString& problem);

}  // namespace vireo::cli
