#include "timeline/timeline_edits.h"

#include <algorithm>

#include "sequence/document_editor.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "timeline/lamp_rows.h"

namespace vireo {

namespace {
bool validCell(const Sequence& rows, TimelineCell cell) {
    return cell.step >= 0 && cell.step < rows.size() && cell.row >= 0 && cell.row < kLampRowCount;
}
}  // namespace

Sequence withLampRun(const Sequence& rows, int row, int first, int last, bool on) {
    Sequence out = rows;
    if (row < 0 || row >= kLampRowCount) return out;
    if (first > last) std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(rows.size()) - 1);
    for (int step = first; step <= last; ++step)
        out[step].lamps = withLamp(out[step].lamps, lampRows()[row], on);
    return out;
}

Sequence lampRunPreview(const Sequence& rows, TimelineCell anchor, int endStep, bool symmetric) {
    if (!validCell(rows, anchor)) return rows;
    const bool on = !lampLit(rows[anchor.step].lamps, lampRows()[anchor.row]);
    const Sequence out = withLampRun(rows, anchor.row, anchor.step, endStep, on);
    if (!symmetric) return out;
    return withLampRun(out, mirrorLampRow(anchor.row), anchor.step, endStep, on);
}

bool switchLampRun(DocumentEditor& editor, int s, TimelineCell anchor, int endStep,
                   const Selection& selectionBefore, const LanguageTable& texts, bool symmetric) {
    const Sequence& rows = editor.sequence(s);
    if (!validCell(rows, anchor)) return false;
    endStep = std::clamp(endStep, 0, static_cast<int>(rows.size()) - 1);
    const QString lamp = lampRowLabel(texts, lampRows()[anchor.row]);
    const int first = std::min(anchor.step, endStep);
    const int last = std::max(anchor.step, endStep);
    const QString caption =
        first == last ? texts.entry(text::ToggleLampCaption).arg(lamp).arg(anchor.step + 1)
                      : texts.entry(text::SetLampsCaption).arg(lamp).arg(first + 1).arg(last + 1);
    const Selection after{{anchor.step}, anchor.step};
    editor.commit(s, lampRunPreview(rows, anchor, endStep, symmetric), selectionBefore, after,
                  caption);
    return true;
}

Selection stepSelection(const Selection& current, int step, bool extend) {
    if (!extend || current.current < 0) return Selection{{step}, step};
    Selection out;
    const int from = std::min(current.current, step);
    const int to = std::max(current.current, step);
    for (int r = from; r <= to; ++r) out.rows << r;
    // The anchor stays the current row, so further extending keeps measuring from it.
    out.current = current.current;
    return out;
}

}  // namespace vireo
