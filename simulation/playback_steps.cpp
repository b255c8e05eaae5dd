#include "simulation/playback_steps.h"

#include "simulation/playback_machine.h"

namespace vireo {

QVector<ShownStep> playbackSteps(const Sequence& rows, int fromRow, int limit) {
    QVector<ShownStep> steps;
    PlaybackMachine machine;
    machine.start(rows, fromRow);
    while (machine.isRunning() && steps.size() < limit) {
        ShownStep step{-1, 0};
        for (const PlaybackAction& a : machine.tick()) {
            if (a.kind == PlaybackAction::Kind::ShowRow) step.row = a.row;
            if (a.kind == PlaybackAction::Kind::StartTimer) step.ms = a.ms;
        }
        if (step.row >= 0) steps << step;
    }
    return steps;
}

}  // namespace vireo
