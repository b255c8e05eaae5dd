#pragma once

#include <optional>

#include "sequence/edit_outcome.h"

namespace vireo {

// Each command returns the rows and selection to commit, or nothing when the table stays as it
// is (nothing to act on, refused, or answered No).

// "Ändern": every selected row gets the slider's on-time; a single selected row also gets the
// current lamp states. Markers stay.
std::optional<EditOutcome> changeRows(const Sequence& rows, const Selection& selection,
                                      int sliderValue, const LampBytes& currentLamps);

// "Zeile einfügen": a new row with the slider's on-time, all lamps off and the marker of the
// last selected row is put at the current row's position; then the loop check runs. Without a
// current row it goes at the end and becomes the current row. Refuses to grow the table past
// 500 rows.
std::optional<EditOutcome> insertRow(const Sequence& rows, const Selection& selection,
                                     int sliderValue, EditContext& context);

// "Zeile(n) löschen": asks text::DeleteRowsQuestion when rows are selected and removes them on Yes;
// a loop left with one row loses its marker.
std::optional<EditOutcome> deleteRows(const Sequence& rows, const Selection& selection,
                                      EditContext& context);

// The selection after the selected rows were removed: nothing selected, the current row on the
// row that took the place of the first removed one (or the new last row).
Selection selectionAfterRemoval(const QList<int>& removed, int rowsLeft);

}  // namespace vireo
