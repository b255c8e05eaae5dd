#pragma once

#include <optional>

#include "sequence/edit_outcome.h"

namespace vireo {

// "Schleife erstellen": lays a loop over the first run of selected rows. The rows of the table
// up to the run's end are deselected whatever follows, so the outcome may change only the
// selection. Asks the repeat count (text::RepeatCountQuestion, default "2"; a whole number 2 to 20,
// else warning text::RepeatCountInvalid and ask again; empty or cancel keeps the rows). A run of
// one row, or one that starts on the last row, asks nothing. Rows of a loop the new one overlaps
// stay a loop only as one run of two rows or more.
std::optional<EditOutcome> createLoop(const Sequence& rows, const Selection& selection,
                                      EditContext& context);

// "Schleife löschen": clears the loop of the first selected row (nothing when that row is in no
// loop). Only the selected rows of that loop count: a selection strictly inside the loop, or one
// that would leave a single row, clears the whole loop; otherwise exactly the selected rows are
// cleared, which shortens the loop from one end.
std::optional<EditOutcome> deleteLoop(const Sequence& rows, const Selection& selection);

// The repeat count an answer stands for: a whole number from 2 to 20 (blanks around it
// allowed); nothing for any other answer.
std::optional<int> repeatCountOf(const QString& answer);

}  // namespace vireo
