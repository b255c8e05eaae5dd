#include "simulation/loop_table.h"

#include <algorithm>

#include "config/number_text.h"
#include "sequence/loop_marker.h"

namespace vireo {

int markerRepeatCount(const QString& marker) {
    QString digits = marker.mid(7, 2);
    while (digits.endsWith(QLatin1Char(' '))) digits.chop(1);
    return static_cast<int>(std::clamp<long long>(numberValue(digits), 0, 255));
}

QVector<PlaybackLoop> buildLoopTable(const Sequence& rows) {
    QVector<PlaybackLoop> loops;
    const int n = rows.size();
    QString previous;  // the marker of the loop being read; empty outside a loop
    for (int r = 0; r < n; ++r) {
        const QString& m = rows[r].loop;
        if (isLoopMarker(m) && m != previous) {
            if (!previous.isEmpty()) loops.last().last = r - 1;  // two loops touch
            loops.append({r, r, markerRepeatCount(m)});
            previous = m;
        } else if (isLoopMarker(m)) {
            loops.last().last = r;
        } else if (!previous.isEmpty()) {
            // Leaving a loop: a later run of the same marker is a loop of its own.
            previous.clear();
        }
    }
    return loops;
}

}  // namespace vireo
