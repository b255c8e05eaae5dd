#include "sequence/copy_buffer.h"

#include "sequence/edit_limits.h"
#include "sequence/loop_check.h"
#include "sequence/step_commands.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

bool hasCurrentRow(const Sequence& rows, const Selection& selection) {
    return selection.current >= 0 && selection.current < rows.size();
}

// The selected rows to copy or cut; nothing when there is no current row, no selection, or
// more rows than the buffer holds (then the user is told).
std::optional<QList<int>> rowsToCopy(const Sequence& rows, const Selection& selection,
                                     EditContext& context) {
    if (!hasCurrentRow(rows, selection)) return std::nullopt;
    const QList<int> selected = validSelectedRows(selection, rows.size());
    if (selected.isEmpty()) return std::nullopt;
    if (selected.size() > kCopyBufferCapacity) {
        refuse(context, EditLimit::TooManyToCopy);
        return std::nullopt;
    }
    return selected;
}

std::optional<EditOutcome> pasteAt(const Sequence& rows, const Selection& selection,
                                   const CopyBuffer& buffer, int position, int labelEntry,
                                   EditContext& context) {
    if (!hasCurrentRow(rows, selection) || buffer.isEmpty()) return std::nullopt;
    if (rows.size() + buffer.entries().size() > kMaxRows) {
        refuse(context, EditLimit::TooManyRows);
        return std::nullopt;
    }
    Sequence grown = rows;
    for (int b = 0; b < buffer.entries().size(); ++b)
        grown.insert(position + b, buffer.entries()[b]);
    auto checked = runLoopCheck(grown, context);
    if (!checked) return std::nullopt;
    return EditOutcome{*checked, selection, labelEntry};
}

}  // namespace

TableMenuState tableMenuState(int rowCount, const CopyBuffer& buffer) {
    TableMenuState state;
    state.shown = rowCount > 0;
    state.pasteEnabled = state.pasteAtEndEnabled = !buffer.isEmpty();
    return state;
}

bool copyRows(const Sequence& rows, const Selection& selection, CopyBuffer& buffer,
              EditContext& context) {
    const auto selected = rowsToCopy(rows, selection, context);
    if (!selected) return false;
    Sequence copied;
    for (int r : *selected) copied.append(rows[r]);
    buffer.set(std::move(copied));
    return true;
}

std::optional<EditOutcome> cutRows(const Sequence& rows, const Selection& selection,
                                   CopyBuffer& buffer, EditContext& context) {
    const auto selected = rowsToCopy(rows, selection, context);
    if (!selected) return std::nullopt;
    Sequence copied, kept;
    for (int i = 0; i < rows.size(); ++i) (selected->contains(i) ? copied : kept).append(rows[i]);
    buffer.set(std::move(copied));
    // The tidy passes miss a marker alone on the last row after a single unmarked row; no loop
    // of one row is left either way.
    kept = clearSingleRowLoops(tidyMarkers(tidyMarkers(std::move(kept))));
    const Selection after = selectionAfterRemoval(*selected, kept.size());
    return EditOutcome{std::move(kept), after, text::Cut};
}

std::optional<EditOutcome> pasteRows(const Sequence& rows, const Selection& selection,
                                     const CopyBuffer& buffer, EditContext& context) {
    return pasteAt(rows, selection, buffer, selection.current, text::Paste, context);
}

std::optional<EditOutcome> pasteRowsAtEnd(const Sequence& rows, const Selection& selection,
                                          const CopyBuffer& buffer, EditContext& context) {
    return pasteAt(rows, selection, buffer, rows.size(), text::PasteAtEnd, context);
}

}  // namespace vireo
