#pragma once

#include <QString>
#include <vector>

#include "sequence/document.h"
#include "sequence/loop_marker.h"

namespace vireo {

// What the image records for one loop: the repeat count minus 1 and the number of its rows
// minus 1, each as one byte.
struct LoopValues {
    int repeat = 0;
    int length = 0;
};

struct LoopCensus {
    enum class Status { Ok, Overflow, TooManyLoops };
    Status status = Status::Ok;
    // Loop ordinal n (1-based, in row order) is entry n - 1.
    std::vector<LoopValues> loops;
};

// Walks the rows in order: every change of loop number starts the next loop ordinal, every
// further row with the same number lengthens it; rows outside a loop change nothing. The image
// encoder counts ordinals the same way, so each loop start gets its own loop's values.
LoopCensus loopCensus(const Sequence& rows, int maxLoops);

}  // namespace vireo
