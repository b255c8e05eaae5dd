#pragma once

#include <QVector>

#include "sequence/document.h"

namespace vireo {

// One step the playback shows: a 0-based row and how long it stays on, in milliseconds.
struct ShownStep {
    int row = 0;
    int ms = 0;

    bool operator==(const ShownStep&) const = default;
};

// The steps the playback machine shows when started on the 0-based fromRow ("Simulation >>";
// row 0 is "Simulation |>"), in order, at most limit of them, which ends loops that repeat until
// stopped. The 500 ms of darkness before the first step is not a step. Nothing for a fromRow
// outside the table.
QVector<ShownStep> playbackSteps(const Sequence& rows, int fromRow, int limit);

}  // namespace vireo
