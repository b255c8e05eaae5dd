#pragma once

#include "sequence/document.h"

namespace vireo {

// The most steps a playback may show to be compacted; a longer one (or one with a loop that
// repeats until stopped) is left as it is.
constexpr int kMaxCompactedPlaybackSteps = 20000;
// The longest on-time of a step made by merging steps (a step read from a file may be longer).
constexpr int kMaxMergedStepMs = 10000;

struct CompactionResult {
    enum class Status {
        Compacted,    // rows is smaller and plays the same
        NothingWon,   // no smaller rows play the same; rows are the input
        CannotBuild,  // the input has no image (too many loops or rows, a value too large)
        Endless,      // the playback does not end, or is too long to search
        CheckFailed,  // the result did not pass its own check; rows are the input
    };
    Status status = Status::NothingWon;
    Sequence rows;
    int bytesBefore = 0;  // the sequence's bytes in the image (rows only, no header or holds)
    int bytesAfter = 0;   // equal to bytesBefore unless Compacted

    bool changed() const { return status == Status::Compacted; }
};

// Rewrites a sequence into the smallest rows (by image bytes) whose playback shows the same
// lamp states for the same times. The search plays the rows out, then chooses over the played
// steps: which neighbours with the same lamps become one step (at most kMaxMergedStepMs), and
// which repeated runs become loops as the loop command makes them (2 to 32 rows, 2 to 20
// passes, at most 20 per sequence, never starting on a dark step, numbered 1, 2, ... in row
// order, ending by row 255). It tracks the on-time of the step before, which decides the time
// byte, and the loops used, so the smallest choice is exact. The result is played back and
// built once more before it is returned.
CompactionResult compactSequence(const Sequence& rows);

// Whether rows keep the rules of loops the loop command follows (see compactSequence).
bool keepsLoopRules(const Sequence& rows);

}  // namespace vireo
