#pragma once

#include <optional>

#include "sequence/pattern_command.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

// Where "Muster einfügen" would insert a pattern: the document, the sequence and its selection,
// with the vehicle options and model code the image is built with (those of the meter).
struct PatternTarget {
    Document document;
    int sequence = kWelcome;
    Selection selection;
    VehicleOptions options;
    int moduleCode = 0;
};

// What inserting the pattern would do, for its dialog to show before anything changes.
struct PatternPreview {
    int at = 0;     // the 0-based row of the pattern's first row
    Sequence rows;  // the rows the command would insert, as loop or copies; none when it refuses
    // What they add to the whole image: its total with them inserted minus its total now, both
    // from the cost function the meter uses, so a neighbour that gains or loses its time byte
    // counts too. None when either document has no image.
    std::optional<int> addedBytes;
};

PatternPreview previewPattern(const PatternTarget& target, const PatternChoice& choice);

}  // namespace vireo
