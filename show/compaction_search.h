#pragma once

#include <QVector>
#include <optional>
#include <vector>

#include "sequence/document.h"
#include "simulation/shown_lamps.h"

namespace vireo {

// The longest on-time of a row the search makes (a row read from a file may be longer; one as
// long as that may stay as it is).
constexpr int kLongestMadeRowMs = 10000;

// The smallest rows (by the bytes the image writes for them) whose playback shows `show`: the
// same lamp states, in the same order, each for the same time. The search works on the show as
// seen, so how its rows were split or folded does not matter. It chooses
// - how each lamp state's time is written as rows of at most kLongestMadeRowMs (or as one row as
//   long as one of `longRowsMs`), and which on-time each row takes, since a row whose on-time
//   equals the row before needs no time byte;
// - which repeats become loops, as the loop command makes them: 2 to 32 rows, 2 to 20 passes, at
//   most 20 loops, numbered in row order, each ending by row 255, also over lamp states whose
//   passes merge (a pass that ends with the lamps it starts with) and over one lamp state held
//   long; a loop may start on a dark row when that is cheapest.
// The loops of the result carry markers 1, 2, ... in row order. Nothing when the show cannot be
// written within the table's limits.
std::optional<Sequence> smallestRowsFor(const QVector<ShownLamps>& show,
                                        const std::vector<qint64>& longRowsMs = {});

}  // namespace vireo
