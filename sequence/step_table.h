#pragma once

#include <QString>
#include <optional>

#include "sequence/edit_outcome.h"

namespace vireo {

// Appends the current lamp states as a new step with the slider's on-time and no loop marker.
// A full table (500 steps) refuses with a message and keeps its rows.
std::optional<EditOutcome> appendStep(const Sequence& rows, const Selection& selection,
                                      int sliderValue, const LampBytes& lamps,
                                      EditContext& context);

// The row a click on the table shows: the first selected row, or the last row when none is
// selected; -1 for an empty table.
int shownRow(const Sequence& rows, const Selection& selection);

// The caption of labPos for a 0-based row: text::PositionLine with the 1-based position, so
// row -1 gives "Position 0", the caption of a new document.
QString positionText(int row, const LanguageTable& language);

// The caption of labZeitein: the slider's on-time followed by text::OnTimeSuffix.
QString onTimeCaption(int sliderValue, const LanguageTable& language,
                      const QLocale& locale = QLocale());

}  // namespace vireo
