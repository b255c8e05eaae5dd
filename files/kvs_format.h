#pragma once

#include <QByteArray>

namespace vireo::kvs {

// The bytes of a .kvs sequence file: a plain header line, then a scrambled body in which every
// plain character is stored as a unit of its code XOR kKey followed by filler zeros (one for a
// character unit, three for a letter unit).
constexpr unsigned char kKey = 0xE7;
constexpr unsigned char kChecksumStart = 85;

// Record characters of the plain body. "F", "P" and both "Z" are written as letter units.
constexpr char kAfterModel = 'F';
constexpr char kAfterOptions = 'P';
constexpr char kAfterCount = 'Z';
constexpr char kAfterTime = 'I';
constexpr char kAfterMarker = 'W';
constexpr char kEndOfStep = '@';

// Options strings shorter than this are filled with "0" on the right when read.
constexpr int kOptionsLength = 20;

// The header line the program writes, CR LF included.
QByteArray headerLine();

}  // namespace vireo::kvs
