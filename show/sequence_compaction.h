#pragma once

#include <optional>

#include "image/image_builder.h"
#include "sequence/document.h"

namespace vireo {

// The most steps a playback may show to be compacted; a longer one (or one with a loop that
// repeats until stopped) is left as it is.
constexpr int kMaxCompactedPlaybackSteps = 20000;

struct CompactionResult {
    enum class Status {
        Compacted,   // rows is smaller and plays the same, or has an image where the input had none
        NothingWon,  // no smaller rows play the same; rows are the input
        CannotBuild,  // neither the input nor any rows that play the same have an image
        Endless,      // the playback does not end, or is too long to search
        CheckFailed,  // the result did not pass its own check; rows are the input
    };
    Status status = Status::NothingWon;
    Sequence rows;
    // Why the input has no image (too many loops or rows, a value too large); nothing when it has.
    std::optional<ImageOutcome> inputHasNoImage;
    int bytesBefore = 0;  // the sequence's bytes in the image (rows only); 0 without an image
    int bytesAfter = 0;   // equal to bytesBefore unless Compacted

    bool changed() const { return status == Status::Compacted; }
};

// Rewrites a sequence into the smallest rows (by image bytes) whose playback shows the same
// lamp states for the same times (see smallestRowsFor): however the input's rows were split or
// folded, the result is the smallest the search finds for the show as seen, so compacting a
// compacted sequence changes nothing. The result is played back and built once more before it
// is returned; one that plays differently is never handed out.
CompactionResult compactSequence(const Sequence& rows);

// Whether rows keep the rules of loops the loop command follows: markers numbered 1, 2, ... in
// row order, 2 to 32 rows and 2 to 20 passes each, at most 20 loops, each ending by row 255.
bool keepsLoopRules(const Sequence& rows);

}  // namespace vireo
