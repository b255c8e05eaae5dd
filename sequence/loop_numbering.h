#pragma once

#include "sequence/document.h"

namespace vireo {

// The table with its loops numbered 1, 2, 3, ... in row order, each marker keeping its repeat
// count. Markers that were equal stay equal and different ones stay different, and rows that
// shared a loop number still share one, so playback and the image see the same loops as before.
// A table with a marker whose number field is not in the form the loop command writes stays as
// it is: renumbering it could change what its marker reads as.
Sequence withLoopsInRowOrder(const Sequence& rows);

}  // namespace vireo
