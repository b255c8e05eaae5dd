#include "sequence/loop_check.h"

#include "text/text_ids.h"

namespace vireo {

Sequence clearSingleRowLoops(Sequence rows) {
    for (int i = 0; i < rows.size(); ++i) {
        const QString& marker = rows[i].loop;
        const bool alone = !marker.isEmpty() && (i == 0 || rows[i - 1].loop != marker) &&
                           (i + 1 == rows.size() || rows[i + 1].loop != marker);
        if (alone) rows[i].loop.clear();
    }
    return rows;
}

LoopCheckResult checkLoops(Sequence rows) {
    LoopCheckResult result;
    const int n = rows.size();
    QStringList runStarts;
    QList<int> secondRuns;
    QString previous;
    for (int i = 0; i < n; ++i) {
        const QString marker = rows[i].loop;
        if (!marker.isEmpty() && marker != previous) {
            if (runStarts.size() == kMaxMarkedRuns) {
                result.refusal = EditLimit::TooManyLoops;
                return result;
            }
            int count = 0;
            for (int j = i; j < n; ++j) {
                if (rows[j].loop != marker) continue;
                if (++count > kMaxLoopRows) {
                    rows[j].loop.clear();
                    result.shortened = true;
                }
            }
            if (runStarts.contains(marker)) {
                if (secondRuns.size() == kMaxSecondRuns) {
                    result.refusal = EditLimit::TooManySplitRuns;
                    return result;
                }
                secondRuns << i;
            }
            runStarts << marker;
        }
        previous = rows[i].loop;
    }
    for (int start : secondRuns) {
        const QString marker = rows[start].loop;
        if (marker.isEmpty()) continue;
        for (int j = start; j < n && rows[j].loop == marker; ++j) rows[j].loop.clear();
    }
    // Rows put between the rows of a loop, or a single marked row pasted, leave runs of one row.
    result.rows = clearSingleRowLoops(std::move(rows));
    return result;
}

std::optional<Sequence> runLoopCheck(const Sequence& rows, EditContext& context) {
    LoopCheckResult result = checkLoops(rows);
    if (result.refusal) {
        refuse(context, *result.refusal);
        return std::nullopt;
    }
    if (result.shortened)
        context.prompter.message(context.language.entry(text::LoopShortened), kMakerWeb,
                                 PromptIcon::Warning);
    return std::move(result.rows);
}

Sequence tidyMarkers(Sequence rows) {
    const int n = rows.size();
    QString remembered;
    int run = 0;  // 1 while the remembered marker has been seen on exactly one row
    for (int i = 0; i < n; ++i) {
        if (rows[i].loop == remembered) {
            run = 0;
            continue;
        }
        remembered = rows[i].loop;
        if (run == 1) {
            rows[i - 1].loop.clear();
            run = 0;
        } else {
            ++run;
        }
        if (run == 1 && i == n - 1) {
            rows[i].loop.clear();
            run = 0;
        }
    }
    return rows;
}

}  // namespace vireo
