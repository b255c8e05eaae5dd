#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

#include "sequence/document.h"

namespace vireo {

// Parses the plain body text of a .kvs file (see descrambleKvs) into a document: model, option
// string exactly as stored (not yet filled to 20 characters) and both sequences. The checksum
// is not looked at. Returns nullopt when the body is malformed: a missing "F", "P" or "Z", a
// count that is not a number or larger than the steps present, or a step record that is cut off
// or has other than four lamp characters. `problem` then says what was wrong.
//
// A loop marker is the text between the "I" and a "W" that comes before the step's "@": ten
// characters of any kind (the original form), or more than ten when the text starts with "S"
// (repeat counts of 10 and more give markers of eleven characters).
std::optional<Document> parseKvsBody(QByteArrayView plain, QString* problem = nullptr);

// The checksum over the plain characters of the fields before it: 85 XOR every character code.
unsigned char kvsChecksum(QByteArrayView plain);

// Checks the checksum of a plain body: the characters up to and including the last "@" or "Z"
// are summed; the digits that follow are the stored checksum (no digits read as 0).
bool kvsChecksumMatches(QByteArrayView plain);

}  // namespace vireo
