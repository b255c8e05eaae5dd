#pragma once

#include <optional>

#include "sequence/edit_limits.h"
#include "sequence/edit_outcome.h"

namespace vireo {

// The repair of loop markers after rows were inserted or pasted: a marked run of more than 32
// rows loses the markers after its 32nd row, a marker that starts a second, separate run
// loses that run, and a marked run of one row (a loop split by a row put into it) loses its
// marker.
struct LoopCheckResult {
    Sequence rows;
    bool shortened = false;            // a loop lost rows past its 32nd
    std::optional<EditLimit> refusal;  // too many runs to follow; rows are then meaningless
};
LoopCheckResult checkLoops(Sequence rows);

// Runs the loop check and tells the user about it: warning text::LoopShortened when a loop was
// shortened, a limit message (and no rows) when the table has too many runs.
std::optional<Sequence> runLoopCheck(const Sequence& rows, EditContext& context);

// A loop needs two rows: the marker of a marked run of one row is removed. Deleting rows and the
// loop check run it.
Sequence clearSingleRowLoops(Sequence rows);

// One marker tidy pass after a cut: a marker left on a single row between rows with other
// markers, or alone on the last row, is removed. Cutting runs it twice.
Sequence tidyMarkers(Sequence rows);

}  // namespace vireo
