#pragma once

#include <QByteArrayView>
#include <QString>

#include "sequence/document.h"

namespace vireo {

// True when the document equals the document stored in the bytes of a .kvs file: same model,
// same option string as stored (before any filling with "0"), same rows with the same time
// texts (compared as texts), loop markers (blanks at either end ignored) and lamp bytes. The
// checksum is not checked. A malformed file never equals a document.
bool documentEqualsKvs(const Document& document, QByteArrayView fileBytes);

// The test for unsaved changes: true when the document equals the file at `path`. With an
// empty path (a new document) true exactly while both sequences are empty. A file that cannot
// be read (deleted, moved, no permission) does not equal the document.
bool documentMatchesFile(const Document& document, const QString& path);

}  // namespace vireo
