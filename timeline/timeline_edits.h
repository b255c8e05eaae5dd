#pragma once

#include <QString>

#include "sequence/document.h"
#include "sequence/selection.h"
#include "timeline/timeline_geometry.h"

namespace vireo {

class DocumentEditor;
class LanguageTable;

// The rows with the lamp of `row` set to `on` in steps first..last (either order, inclusive).
Sequence withLampRun(const Sequence& rows, int row, int first, int last, bool on);

// A click or a drag on the timeline: the lamp of the first cell switches, and every cell of
// that lamp dragged over (steps anchor.step .. endStep) takes the first cell's new state. The
// change is one undo step of sequence s with a caption naming the lamp and the steps; the
// step of the first cell is selected afterwards. When `symmetric`, the mirror lamp of the same
// steps takes that state too, in the same undo step. Returns false when nothing was changed
// (a cell outside the table).
bool switchLampRun(DocumentEditor& editor, int s, TimelineCell anchor, int endStep,
                   const Selection& selectionBefore, const LanguageTable& texts,
                   bool symmetric = false);

// What a drag from `anchor` to `endStep` would make of the rows, for showing it while the
// mouse is still down.
Sequence lampRunPreview(const Sequence& rows, TimelineCell anchor, int endStep,
                        bool symmetric = false);

// The step selection after a click on step `step`: alone, or with shift from the current row
// (the anchor) to it, as a list extends its selection.
Selection stepSelection(const Selection& current, int step, bool extend);

}  // namespace vireo
