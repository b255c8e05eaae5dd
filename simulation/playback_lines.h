#pragma once

#include <QStringList>

#include "sequence/document.h"

namespace vireo {

// The playback of a sequence as text, one shown step per line: "ROW MS" with the 1-based row
// position and the interval in milliseconds for which it stays on. Playback starts at the
// 0-based fromRow as "Simulation >>" does from a selected row; at most limit lines are produced,
// which ends loops that repeat until stopped. Nothing for a fromRow outside the table.
QStringList playbackLines(const Sequence& rows, int fromRow, int limit);

}  // namespace vireo
