#pragma once

#include <QString>
#include <QVector>

#include "desktop/file_type.h"

namespace vireo {

// One default (unnamed) string value of a key below the per-user class root
// HKEY_CURRENT_USER\Software\Classes; sub keys are separated by "\".
struct ClassKeyValue {
    QString key;
    QString value;
    bool operator==(const ClassKeyValue&) const = default;
};

// The four values of a file type registration, in the order they are written: the type's
// description, the extension pointing to the type, the open command, the document icon.
// The open command quotes the program path and the file path, so paths with blanks work and
// the program receives the file as one argument.
QVector<ClassKeyValue> windowsClassEntries(const FileTypeDescription& type);

// Writes the values in their order and tells the shell that associations changed. Stops at the
// first value that cannot be written (values written before stay). Windows only: false elsewhere.
bool writeWindowsClassEntries(const QVector<ClassKeyValue>& entries);

}  // namespace vireo
