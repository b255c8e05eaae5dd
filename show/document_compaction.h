#pragma once

#include <array>
#include <optional>

#include "sequence/document.h"
#include "show/sequence_compaction.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

// Compaction of one or both sequences of a document, with what it does to the whole image.
struct DocumentCompaction {
    std::array<std::optional<CompactionResult>, 2> sequences;  // set for the sequences asked for
    Document before;                                           // the document compacted
    Document document;  // with every compacted sequence; the input when nothing changed
    int capacity = 0;
    int imageBefore = 0;  // the whole image's length, also above the capacity; 0 with no image
    int imageAfter = 0;

    bool changed() const;
    // A sequence whose result did not play the same: nothing may be applied.
    bool checkFailed() const;
    int excessAfter() const { return imageAfter > capacity ? imageAfter - capacity : 0; }
};

// Compacts `sequence` (kWelcome or kGoodbye), or both when it is -1.
DocumentCompaction compactDocument(const Document& document, int sequence,
                                   const VehicleOptions& options, int moduleCode, int capacity);

}  // namespace vireo
