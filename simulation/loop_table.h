#pragma once

#include <QVector>

#include "sequence/document.h"

namespace vireo {

// One loop as playback runs it: 0-based first and last row and how often its rows are played
// in all (0 = until stopped).
struct PlaybackLoop {
    int first = 0;
    int last = 0;
    int repeatCount = 0;

    bool operator==(const PlaybackLoop&) const = default;
};

// The loops of a table in table order: every maximal run of rows with the same loop marker (a
// marker starting with "S "). The repeat count is read from the marker's characters 8 and 9.
QVector<PlaybackLoop> buildLoopTable(const Sequence& rows);

}  // namespace vireo
