#include "simulation/shown_lamps.h"

#include "simulation/playback_steps.h"

namespace vireo {

std::optional<QVector<ShownLamps>> shownLamps(const Sequence& rows, int limit) {
    const QVector<ShownStep> steps = playbackSteps(rows, 0, limit + 1);
    if (steps.size() > limit) return std::nullopt;
    QVector<ShownLamps> shown;
    for (const ShownStep& step : steps) {
        const LampBytes& lamps = rows[step.row].lamps;
        if (!shown.isEmpty() && shown.last().lamps == lamps)
            shown.last().ms += step.ms;
        else
            shown.append({lamps, step.ms});
    }
    return shown;
}

}  // namespace vireo
