#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <optional>

#include "sequence/document.h"

namespace vireo {

// The JSON form of a document shared by the command-line tool and the tests:
//
// {
//   "model": "111",
//   "options": "11100000000000000000",
//   "sequences": [
//     [ {"time": "1,5", "loop": "S  1 / 4 x", "lamps": [0, 5, 0, 12]},
//       {"time": "2", "loop": "", "lamps": [1, 0, 0, 0]} ],
//     []
//   ]
// }
//
// Keys in this order, two-space indentation, one row per line, UTF-8, a final line break.
// An on-time is written as it was read; one made here in the form of `madeForm`.
QByteArray documentToJson(const Document& document, const QLocale& madeForm = QLocale());

// Rows alone as a JSON array, each row in the form of the document above, one row per line:
// "[\n  {...},\n  {...}\n]\n" ("[]\n" for no rows).
QByteArray rowsToJson(const Sequence& rows, const QLocale& madeForm = QLocale());

// Parses the JSON form. "model", "options" and "sequences" (two arrays of rows) are required; a
// row needs "time" and "lamps" (four whole numbers 0..255), "loop" may be left out for a row
// outside a loop. Unknown keys and values of the wrong kind are errors: nullopt, with `error`
// saying what was wrong.
std::optional<Document> documentFromJson(const QByteArray& json, QString* error = nullptr);

}  // namespace vireo
