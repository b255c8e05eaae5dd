#pragma once

#include <QLocale>
#include <QVector>
#include <optional>

#include "sequence/document.h"
#include "sequence/edit_limits.h"

namespace vireo {

constexpr int kMinPatternPasses = 1;
constexpr int kMaxPatternPasses = kMaxLoopPasses;
constexpr int kMinPatternTenths = 1;    // 0,1 s per step
constexpr int kMaxPatternTenths = 100;  // 10 s per step

// The bytes the module stores for these rows as a sequence of their own (the data image's
// section, without its header); nothing when they do not fit the image at all.
std::optional<int> sequenceBytes(const Sequence& rows);

// Whether a pass of this many rows repeated this often can be one loop.
bool passesCanLoop(int passRows, int passes);

// The rows of `passes` passes of a pattern, every step on for `tenths` tenths of a second: one
// pass under a loop marker (number `loopNumber`, repeat count `passes`) when the passes can
// loop and the loop costs fewer bytes than the copies, the pass written out `passes` times
// otherwise. `loopNumber` 0 forbids the loop.
Sequence patternRows(const QVector<LampBytes>& pass, int tenths, int passes, int loopNumber,
                     const QLocale& locale = QLocale());

}  // namespace vireo
