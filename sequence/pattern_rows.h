#pragma once

#include <QVector>

#include "sequence/document.h"
#include "sequence/edit_limits.h"

namespace vireo {

constexpr int kMinPatternPasses = 1;
constexpr int kMaxPatternPasses = kMaxLoopPasses;

// Whether a pass of this many rows repeated this often can be one loop.
bool passesCanLoop(int passRows, int passes);

// The rows of `passes` passes of a pattern, every step on for `tenths` tenths of a second: one
// pass under a loop marker (number `loopNumber`, repeat count `passes`) when the passes can
// loop and the loop costs fewer bytes than the copies, the pass written out `passes` times
// otherwise. `loopNumber` 0 forbids the loop.
Sequence patternRows(const QVector<LampBytes>& pass, int tenths, int passes, int loopNumber);

}  // namespace vireo
