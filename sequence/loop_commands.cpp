#include "sequence/loop_commands.h"

#include <algorithm>

#include "sequence/edit_limits.h"
#include "sequence/loop_check.h"
#include "sequence/loop_marker.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

struct Run {
    int first = -1;
    int last = -1;
};

// The first run of selected rows: from the first selected row up to the row before the next
// unselected one, or the table's last row.
Run firstSelectedRun(int rowCount, const Selection& selection) {
    const QList<int> selected = validSelectedRows(selection, rowCount);
    Run run;
    if (selected.isEmpty()) return run;
    run.first = run.last = selected.first();
    while (run.last + 1 < rowCount && selected.contains(run.last + 1)) ++run.last;
    return run;
}

// Asks for the repeat count until the answer is valid; nothing when the user gives up.
std::optional<int> askRepeatCount(EditContext& context) {
    const LanguageTable& language = context.language;
    for (;;) {
        const auto answer =
            context.prompter.input(language.entry(text::RepeatCountQuestion),
                                   language.entry(text::RepeatCountTitle), QStringLiteral("2"));
        if (!answer || answer->isEmpty()) return std::nullopt;
        if (const auto count = repeatCountOf(*answer)) return count;
        context.prompter.message(language.entry(text::RepeatCountInvalid),
                                 language.entry(text::InvalidInput), PromptIcon::Warning);
    }
}

}  // namespace

std::optional<int> repeatCountOf(const QString& answer) {
    const QString t = answer.trimmed();
    if (t.isEmpty() || t.size() > 3) return std::nullopt;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    const int count = t.toInt();
    if (count < kMinLoopPasses || count > kMaxLoopPasses) return std::nullopt;
    return count;
}

std::optional<EditOutcome> createLoop(const Sequence& rows, const Selection& selection,
                                      EditContext& context) {
    const Run run = firstSelectedRun(rows.size(), selection);
    if (run.first < 0) return std::nullopt;

    EditOutcome out{rows, selection, text::CreateLoop};
    out.selection.rows.clear();
    for (int r : validSelectedRows(selection, rows.size()))
        if (r > run.last) out.selection.rows << r;
    if (run.last == run.first) return out;

    // Limits of the loop table that the module and playback hold; checked before asking, since
    // no answer could make the loop fit.
    if (run.last + 1 > kMaxLoopRow) {
        refuse(context, EditLimit::LoopBeyondRow255);
        return out;
    }
    const int number = highestLoopNumber(rows) + 1;
    if (number > kMaxLoopNumber) {
        refuse(context, EditLimit::NoLoopNumberLeft);
        return out;
    }
    Sequence marked = rows;
    for (int r = run.first; r <= run.last; ++r) marked[r].loop = loopMarker(number, 0);
    if (markedRunCount(marked) > kMaxMarkedRuns) {
        refuse(context, EditLimit::TooManyLoops);
        return out;
    }

    const auto count = askRepeatCount(context);
    if (!count) return out;
    context.prompter.beep();
    if (run.last - run.first > kMaxLoopRows - 1) {
        context.prompter.message(context.language.entry(text::LoopTooLong),
                                 context.language.entry(text::CreateLoopTitle), PromptIcon::Error);
        return out;
    }
    for (int r = run.first; r <= run.last; ++r) out.rows[r].loop = loopMarker(number, *count);
    // The new loop takes its rows from any loop it overlaps: what is left of that loop stays a
    // loop when it is one run of two rows or more; a second run or a single row loses its marker.
    LoopCheckResult rest = checkLoops(out.rows);
    if (!rest.refusal) out.rows = std::move(rest.rows);
    return out;
}

std::optional<EditOutcome> deleteLoop(const Sequence& rows, const Selection& selection) {
    Run sel = firstSelectedRun(rows.size(), selection);
    if (sel.first < 0) return std::nullopt;
    const QString marker = rows[sel.first].loop;
    // A first selected row outside any loop has no loop to clear.
    if (marker.isEmpty()) return std::nullopt;
    Run loop{sel.first, sel.first};
    while (loop.first > 0 && rows[loop.first - 1].loop == marker) --loop.first;
    while (loop.last + 1 < rows.size() && rows[loop.last + 1].loop == marker) ++loop.last;
    // Selected rows past the loop's end belong to no loop or to another one: they stay.
    sel.last = std::min(sel.last, loop.last);

    const bool strictlyInside = sel.first > loop.first && sel.last < loop.last;
    const bool oneRowLeft = (loop.last - loop.first) - (sel.last - sel.first) == 1;
    const Run clear = (strictlyInside || oneRowLeft) ? loop : sel;

    EditOutcome out{rows, selection, text::DeleteLoop};
    for (int r = clear.first; r <= clear.last; ++r) out.rows[r].loop.clear();
    return out;
}

}  // namespace vireo
