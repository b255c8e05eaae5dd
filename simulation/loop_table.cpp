#include "simulation/loop_table.h"

#include <algorithm>

#include "sequence/loop_marker.h"
#include "text/number_text.h"

namespace vireo {

namespace {
// The playback's loop table holds repeat counts as bytes.
int repeatCountByte(const QString& marker) {
    return static_cast<int>(std::clamp<long long>(markerRepeatCount(marker), 0, 255));
}
}  // namespace

QVector<PlaybackLoop> buildLoopTable(const Sequence& rows) {
    QVector<PlaybackLoop> loops;
    const int n = rows.size();
    QString previous;  // the marker of the loop being read; empty outside a loop
    for (int r = 0; r < n; ++r) {
        const QString& m = rows[r].loop;
        if (isLoopMarker(m) && m != previous) {
            if (!previous.isEmpty()) loops.last().last = r - 1;  // two loops touch
            loops.append({r, r, repeatCountByte(m)});
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
