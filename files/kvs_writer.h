#pragma once

#include <QByteArray>
#include <QString>

#include "sequence/document.h"

namespace vireo {

// The complete bytes of a .kvs file for a document: header line, scrambled body and checksum.
// Loop markers are written in full, whatever their length. Lamp bytes are written as their low
// eight bits; text fields as Windows-1252.
QByteArray kvsBytes(const Document& document);

// Empty when the document can be written so that reading the file gives the same document;
// otherwise what stands in the way (a character Windows-1252 lacks, a record character inside a
// text, a lamp byte outside 0..255, an option string shorter than 20, ...). The editor only
// makes documents that pass; documents from elsewhere (JSON) are checked with it.
QString kvsWriteProblem(const Document& document);

// Writes the document to `path`. The new file is written completely next to the old one and
// only then takes its place, so a failed write leaves any existing file untouched. On failure
// returns false and sets `error` to the system's reason.
bool writeKvsFile(const QString& path, const Document& document, QString* error = nullptr);

}  // namespace vireo
