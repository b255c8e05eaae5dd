#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include "sequence/document.h"

namespace vireo {

// The complete bytes of a .kvs file for a document: header line, scrambled body and checksum.
// Loop markers are written in full, whatever their length. Lamp bytes are written as their low
// eight bits; text fields as Windows-1252. An on-time read from a file or JSON is written as it
// was read; one made here in the form of `madeForm` (the editor writes the user's form).
QByteArray kvsBytes(const Document& document, const QLocale& madeForm = QLocale());

// The form in which the headless tools write the on-times they make into a document's file: the
// form of the document's own on-times, a point when one of them was written with a point and a
// comma otherwise (the form .kvs files have always had).
QLocale onTimeFormOf(const Document& document);

// What stands in the way of writing a document so that reading the file gives the same document
// (a character Windows-1252 lacks, a record character inside a text, a lamp byte outside 0..255,
// an option string shorter than 20, ...), and where it is.
struct KvsWriteProblem {
    enum class Field { None, Model, Options, Time, Loop, Lamps, Document };
    Field field = Field::None;
    int sequence = -1;  // for a field of a step: its sequence and 0-based row
    int row = -1;
    QString description;  // in English, for the headless tools

    bool any() const { return field != Field::None; }
};
KvsWriteProblem kvsWriteCheck(const Document& document, const QLocale& madeForm = QLocale());

// The description of kvsWriteCheck: empty when the document can be written. Documents from
// elsewhere (JSON) are checked with it; every save of the editor checks with the same rule.
QString kvsWriteProblem(const Document& document, const QLocale& madeForm = QLocale());

// Writes the document to `path`. The new file is written completely next to the old one and
// only then takes its place, so a failed write leaves any existing file untouched. On failure
// returns false and sets `error` to the system's reason.
bool writeKvsFile(const QString& path, const Document& document, QString* error = nullptr,
                  const QLocale& madeForm = QLocale());

}  // namespace vireo
