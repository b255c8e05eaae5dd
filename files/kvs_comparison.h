#pragma once

#include <QByteArrayView>
#include <QString>

#include "sequence/document.h"

namespace vireo {

// True when two documents hold the same values: same model and option string, same rows with
// the same on-times (compared as numbers: "0,5" equals "0.5"), loop markers (blanks at either
// end ignored) and lamp bytes.
bool sameDocumentValues(const Document& a, const Document& b);

// True when the document equals the document stored in the bytes of a .kvs file: the values
// compared as sameDocumentValues does, the option string as stored (before any filling with
// "0"). The checksum is not checked. A malformed file never equals a document.
bool documentEqualsKvs(const Document& document, QByteArrayView fileBytes);

// The test for unsaved changes: true when the document equals the file at `path`. With an
// empty path (a new document) true exactly while both sequences are empty. A file that cannot
// be read (deleted, moved, no permission) does not equal the document.
bool documentMatchesFile(const Document& document, const QString& path);

}  // namespace vireo
