#include "sequence/transforms.h"

#include <algorithm>
#include <cmath>

#include "sequence/edit_outcome.h"
#include "sequence/loop_marker.h"
#include "sequence/loop_numbering.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

// Consecutive runs of the (ascending) row list, as first and last row.
QList<std::pair<int, int>> runsOf(const QList<int>& rowList) {
    QList<std::pair<int, int>> runs;
    for (int r : rowList) {
        if (!runs.isEmpty() && runs.last().second + 1 == r)
            runs.last().second = r;
        else
            runs.append({r, r});
    }
    return runs;
}

Sequence reversedRuns(const Sequence& rows, const QList<int>& rowList) {
    Sequence out = rows;
    for (const auto& [first, last] : runsOf(rowList))
        std::reverse(out.begin() + first, out.begin() + last + 1);
    return out;
}

}  // namespace

QList<int> transformedRows(const Sequence& rows, const Selection& selection) {
    QList<int> selected = validSelectedRows(selection, rows.size());
    if (!selected.isEmpty()) return selected;
    for (int r = 0; r < rows.size(); ++r) selected << r;
    return selected;
}

std::optional<EditOutcome> mirrorRows(const Sequence& rows, const Selection& selection) {
    if (rows.isEmpty()) return std::nullopt;
    EditOutcome out{rows, selection, text::MirrorRows};
    for (int r : transformedRows(rows, selection)) {
        const LampBytes old = rows[r].lamps;
        out.rows[r].lamps = {old[1], old[0], old[3], old[2]};
    }
    return out;
}

std::optional<int> loopCutByRows(const Sequence& rows, const QList<int>& rowList) {
    // Walk the marked runs; a run with some rows in the list and some outside is cut.
    int first = 0;
    while (first < rows.size()) {
        int last = first;
        while (last + 1 < rows.size() && rows[last + 1].loop == rows[first].loop) ++last;
        if (!rows[first].loop.isEmpty()) {
            int inside = 0;
            for (int r = first; r <= last; ++r) inside += rowList.contains(r) ? 1 : 0;
            if (inside > 0 && inside < last - first + 1) return markerLoopNumber(rows[first].loop);
        }
        first = last + 1;
    }
    return std::nullopt;
}

std::optional<EditOutcome> reverseRows(const Sequence& rows, const Selection& selection,
                                       EditContext& context) {
    if (rows.isEmpty()) return std::nullopt;
    const QList<int> rowList = transformedRows(rows, selection);
    if (const auto loop = loopCutByRows(rows, rowList)) {
        context.prompter.message(context.language.entry(text::ReverseCutsLoop).arg(*loop),
                                 context.language.entry(text::ReverseRows), PromptIcon::Warning);
        return std::nullopt;
    }
    return EditOutcome{withLoopsInRowOrder(reversedRuns(rows, rowList)), selection,
                       text::ReverseRows};
}

std::optional<EditOutcome> stretchRows(const Sequence& rows, const Selection& selection,
                                       double factor) {
    if (rows.isEmpty() || !(factor >= kMinStretchFactor && factor <= kMaxStretchFactor))
        return std::nullopt;
    EditOutcome out{rows, selection, text::StretchRows};
    for (int r : transformedRows(rows, selection)) {
        const long long old = rows[r].time.tenths();
        // Rounded to a millionth first, so that 0,3 s times 1,5 is the 0,45 s it reads as and
        // goes up to 0,5 s rather than down through the binary fraction.
        const double exact = std::round(double(old) * factor * 1e6) / 1e6;
        const long long tenths = std::clamp<long long>(std::llround(exact), OnTime::kShortestTenths,
                                                       OnTime::kLongestTenths);
        if (tenths != old) out.rows[r].time = OnTime::ofTenths(tenths);
    }
    return out;
}

std::optional<double> stretchFactorOf(const QString& answer) {
    QString t = answer.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double factor = t.toDouble(&ok);
    if (!ok || !(factor >= kMinStretchFactor && factor <= kMaxStretchFactor)) return std::nullopt;
    return factor;
}

std::optional<double> askStretchFactor(EditContext& context) {
    const LanguageTable& language = context.language;
    for (;;) {
        const auto answer =
            context.prompter.input(language.entry(text::StretchFactorQuestion),
                                   undoStepText(language, text::StretchRows), QStringLiteral("2"));
        if (!answer || answer->trimmed().isEmpty()) return std::nullopt;
        if (const auto factor = stretchFactorOf(*answer)) return factor;
        context.prompter.message(language.entry(text::StretchFactorQuestion),
                                 language.entry(text::InvalidInput), PromptIcon::Warning);
    }
}

std::optional<EditOutcome> goodbyeFromWelcome(const Document& document, EditContext& context) {
    const Sequence& welcome = document.sequences[kWelcome];
    // Without a welcome sequence there is nothing to make a goodbye from.
    if (welcome.isEmpty()) return std::nullopt;
    if (!document.sequences[kGoodbye].isEmpty() &&
        !context.prompter.question(
            context.language.entry(text::ReplaceGoodbyeQuestion),
            withoutAccessLetter(context.language.entry(text::GoodbyeFromWelcome))))
        return std::nullopt;
    const Sequence reversed(welcome.rbegin(), welcome.rend());
    return EditOutcome{withLoopsInRowOrder(reversed), Selection{}, text::GoodbyeFromWelcome};
}

}  // namespace vireo
