#include "sequence/step_commands.h"

#include "sequence/edit_limits.h"
#include "sequence/loop_check.h"
#include "text/text_ids.h"

namespace vireo {

std::optional<EditOutcome> changeRows(const Sequence& rows, const Selection& selection,
                                      int sliderValue, const LampBytes& currentLamps) {
    const QList<int> selected = validSelectedRows(selection, rows.size());
    if (selected.isEmpty()) return std::nullopt;
    EditOutcome out{rows, selection, text::Change};
    for (int p : selected) {
        if (selected.size() == 1) out.rows[p].lamps = currentLamps;
        out.rows[p].time = OnTime::ofTenths(sliderValue);
    }
    return out;
}

std::optional<EditOutcome> insertRow(const Sequence& rows, const Selection& selection,
                                     int sliderValue, EditContext& context) {
    // Without a current row (none chosen yet, or an empty table) the row goes at the end.
    const bool atCurrent = selection.current >= 0 && selection.current < rows.size();
    const int p = atCurrent ? selection.current : int(rows.size());
    if (rows.size() + 1 > kMaxRows) {
        refuse(context, EditLimit::TooManyRows);
        return std::nullopt;
    }
    const QList<int> selected = validSelectedRows(selection, rows.size());
    const QString marker = selected.isEmpty() ? QString() : rows[selected.last()].loop;
    Sequence grown = rows;
    grown.insert(p, Step{OnTime::ofTenths(sliderValue), marker, LampBytes{}});
    auto checked = runLoopCheck(grown, context);
    if (!checked) return std::nullopt;
    // The new row at the end becomes the current row, as one inserted at the current row is.
    Selection after = selection;
    if (!atCurrent) after.current = p;
    return EditOutcome{*checked, after, text::InsertRow, true};
}

Selection selectionAfterRemoval(const QList<int>& removed, int rowsLeft) {
    Selection after;
    if (rowsLeft > 0 && !removed.isEmpty()) after.current = std::min(removed.first(), rowsLeft - 1);
    return after;
}

std::optional<EditOutcome> deleteRows(const Sequence& rows, const Selection& selection,
                                      EditContext& context) {
    const QList<int> selected = validSelectedRows(selection, rows.size());
    if (selected.isEmpty()) return std::nullopt;
    if (!context.prompter.question(context.language.entry(text::DeleteRowsQuestion), QString()))
        return std::nullopt;
    EditOutcome out{{}, {}, 25, true};  // "Zeile(n) &löschen"
    for (int i = 0; i < rows.size(); ++i)
        if (!selected.contains(i)) out.rows.append(rows[i]);
    // A loop left with one row is no loop any more.
    out.rows = clearSingleRowLoops(std::move(out.rows));
    out.selection = selectionAfterRemoval(selected, out.rows.size());
    return out;
}

}  // namespace vireo
