#pragma once

#include <QString>

#include "sequence/document.h"

namespace vireo {

// A loop marker: "S", the loop number right-aligned in three characters, " / ", the repeat
// count and " x" ("S  5 / 3 x", "S 12 / 15 x").
QString loopMarker(int loopNumber, int repeatCount);

// A marker belongs to a loop when it starts with "S ".
bool isLoopMarker(const QString& marker);

// The loop number of a marker: characters 3 and 4 read as a number (0 when there is none).
int markerLoopNumber(const QString& marker);

// The repeat count of a marker: characters 8 and 9, trailing blanks removed, read as a leading
// number rounded half to even (0 when there is none). Not clamped: callers decide what fits.
long long markerRepeatCount(const QString& marker);

// The highest loop number among the table's non-empty markers; 0 when there are none.
int highestLoopNumber(const Sequence& rows);

// The number of marked runs: maximal runs of consecutive rows with the same non-empty marker.
int markedRunCount(const Sequence& rows);

}  // namespace vireo
