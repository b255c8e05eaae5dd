#include "sequence/pattern_command.h"

#include "sequence/edit_limits.h"
#include "sequence/loop_marker.h"
#include "sequence/pattern_rows.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

Sequence insertedAt(const Sequence& rows, int at, const Sequence& pattern) {
    Sequence grown = rows;
    for (int i = 0; i < pattern.size(); ++i) grown.insert(at + i, pattern[i]);
    return grown;
}

}  // namespace

int patternInsertionRow(const Sequence& rows, const Selection& selection) {
    const QList<int> selected = validSelectedRows(selection, rows.size());
    if (selected.isEmpty()) return rows.size();
    int last = selected.last();
    const QString& marker = rows[last].loop;
    while (!marker.isEmpty() && last + 1 < rows.size() && rows[last + 1].loop == marker) ++last;
    return last + 1;
}

QString patternPlaceText(const Sequence& rows, const Selection& selection,
                         const LanguageTable& texts) {
    if (rows.isEmpty()) return texts.entry(text::PatternPlaceStart);
    if (validSelectedRows(selection, rows.size()).isEmpty())
        return texts.entry(text::PatternPlaceEnd).arg(rows.size());
    const int at = patternInsertionRow(rows, selection);
    const QString& before = rows[at - 1].loop;
    if (isLoopMarker(before) && markerLoopNumber(before) >= 1)
        return texts.entry(text::PatternPlaceAfterLoop).arg(at).arg(markerLoopNumber(before));
    return texts.entry(text::PatternPlaceAfterRow).arg(at);
}

Sequence patternRowsFor(const PatternChoice& choice, int loopNumber) {
    const QVector<LampBytes> pass =
        patternPass(choice.kind, lampGroups(choice.lamps, choice.order));
    if (pass.isEmpty()) return {};
    return patternRows(pass, choice.tenths, choice.passes, loopNumber);
}

std::optional<EditOutcome> insertPattern(const Sequence& rows, const Selection& selection,
                                         const PatternChoice& choice, EditContext& context) {
    const int at = patternInsertionRow(rows, selection);
    const int number = highestLoopNumber(rows) + 1;
    Sequence pattern = patternRowsFor(choice, number <= kMaxLoopNumber ? number : 0);
    if (pattern.isEmpty()) return std::nullopt;
    Sequence grown = insertedAt(rows, at, pattern);
    // A loop the module could not hold is written out as copies instead.
    const bool looped = !pattern.first().loop.isEmpty();
    if (looped && (markedRunCount(grown) > kMaxMarkedRuns || at + pattern.size() > kMaxLoopRow)) {
        pattern = patternRowsFor(choice, 0);
        grown = insertedAt(rows, at, pattern);
    }
    if (grown.size() > kMaxRows) {
        refuse(context, EditLimit::TooManyRows);
        return std::nullopt;
    }
    Selection after;
    for (int i = 0; i < pattern.size(); ++i) after.rows << at + i;
    after.current = at;
    return EditOutcome{std::move(grown), after, text::InsertPattern};
}

}  // namespace vireo
