#pragma once

#include <optional>

#include "sequence/edit_outcome.h"
#include "sequence/lamp_patterns.h"

namespace vireo {

// What the user chose for a pattern: its kind, the lamps as picked and their order, the
// on-time of each step in tenths of a second and the number of passes.
struct PatternChoice {
    PatternKind kind = PatternKind::Chase;
    QList<PatternLamp> lamps;
    LampOrder order = LampOrder::Picked;
    int tenths = 5;
    int passes = 1;
};

// The rows of the chosen pattern, its passes under loop number `loopNumber` when a loop is
// smaller than copies (0 forbids the loop). Nothing for no lamps.
Sequence patternRowsFor(const PatternChoice& choice, int loopNumber);

// Where "Muster einfügen" puts the pattern's first row (0-based): after the last selected row
// and the rest of the loop that row belongs to, or after the last row when none is selected.
int patternInsertionRow(const Sequence& rows, const Selection& selection);

// The same in words, as the dialog tells it: "after row 9, the end of loop 2" (rows 1-based),
// "at the end, after row 12" when no row is selected, "at the start" in an empty table.
QString patternPlaceText(const Sequence& rows, const Selection& selection,
                         const LanguageTable& texts);

// "Muster einfügen": the pattern's rows after the last selected row (after the end of the loop
// that row belongs to, so no loop is split), or after the last row when none is selected; the
// new rows are selected afterwards. Its passes loop under the next free loop number unless the
// table has no room for another loop. Refuses to grow the table past 500 rows.
std::optional<EditOutcome> insertPattern(const Sequence& rows, const Selection& selection,
                                         const PatternChoice& choice, EditContext& context);

}  // namespace vireo
