#include "simulation/playback_lines.h"

#include "simulation/playback_steps.h"

namespace vireo {

QStringList playbackLines(const Sequence& rows, int fromRow, int limit) {
    QStringList lines;
    for (const ShownStep& step : playbackSteps(rows, fromRow, limit))
        lines << QStringLiteral("%1 %2").arg(step.row + 1).arg(step.ms);
    return lines;
}

}  // namespace vireo
