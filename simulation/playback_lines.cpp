#include "simulation/playback_lines.h"

#include "simulation/playback_machine.h"

namespace vireo {

QStringList playbackLines(const Sequence& rows, int fromRow, int limit) {
    QStringList lines;
    PlaybackMachine machine;
    machine.start(rows, fromRow);
    while (machine.isRunning() && lines.size() < limit) {
        int shown = -1;
        int ms = 0;
        for (const PlaybackAction& a : machine.tick()) {
            if (a.kind == PlaybackAction::Kind::ShowRow) shown = a.row;
            if (a.kind == PlaybackAction::Kind::StartTimer) ms = a.ms;
        }
        if (shown >= 0) lines << QStringLiteral("%1 %2").arg(shown + 1).arg(ms);
    }
    return lines;
}

}  // namespace vireo
