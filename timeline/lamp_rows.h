#pragma once

#include <QColor>
#include <QString>
#include <array>

#include "sequence/document.h"

namespace vireo {

class LanguageTable;

// One row of the lamp timeline: a lamp bit of a corner. The rear middle lamp is bit 4 of both
// rear corners and has one row (on the rear-left corner) that stands for both bytes.
struct LampRow {
    int corner = 0;  // 1..4
    int bit = 0;     // 0..5
    bool bothRear = false;
};

// 23 rows grouped by corner in the order of the lamp-state table: front right, front left,
// rear left (with the shared middle lamp), rear right (without it).
constexpr int kLampRowCount = 23;
const std::array<LampRow, kLampRowCount>& lampRows();
// The corner group (0..3) of a row, for the gaps between groups.
int lampRowGroup(int row);

// The row of the mirror lamp: the same bit on the other side of the car; the shared middle
// lamp is its own mirror. -1 for a row outside the table.
int mirrorLampRow(int row);

// Whether the lamp of the row is lit in a step's bytes; the shared lamp when either rear byte
// has it (a file may carry bytes that disagree).
bool lampLit(const LampBytes& lamps, const LampRow& row);
// The bytes with the lamp of the row switched on or off; the shared lamp in both rear bytes.
// Other bits (also bits above the lamp bits that a file may carry) stay.
LampBytes withLamp(LampBytes lamps, const LampRow& row, bool on);

// The colour the lamp shows on its picture: white lenses and rings, amber strips, red rear lamps.
QColor lampColour(const LampRow& row);
// The lamp's name as the picture's tool tip gives it.
QString lampRowLabel(const LanguageTable& texts, const LampRow& row);

}  // namespace vireo
