#pragma once

#include <array>

#include "sequence/document.h"

namespace vireo {

// The bytes one row of a sequence takes in the image: its control byte, the time byte when its
// on-time differs from the row written before it, one byte per corner written and, on the first
// step of a loop, the repeat and length bytes.
struct RowBytes {
    int control = 1;
    int time = 0;
    int corners = 0;
    int loop = 0;

    int total() const { return control + time + corners + loop; }
    bool operator==(const RowBytes&) const = default;
};

// What one row writes into the image, decided here alone: the image builder writes it, and every
// count of bytes (the meter, the cost strip, compaction, patterns) comes from it.
// - control byte: bit 7 set; bit 6 a time byte follows; bit 5 a loop starts here; bits 1-4 a
//   byte for corner 1-4 follows;
// - the time byte, when the on-time in tenths differs from the row written before;
// - a byte for every lit corner, in corner order; when only the lamp the two rear corners share
//   is on, corner 4 is left out (the module needs that lamp once);
// - on the first row of a loop, the two loop bytes; a dark first row then writes a corner-1 byte
//   of 0, since only a record with a corner byte carries loop bytes.
struct StepRecord {
    int control = 0;
    bool timeByte = false;
    std::array<bool, kCorners> corners{};
    bool loopBytes = false;

    RowBytes bytes() const;
};

StepRecord stepRecord(const LampBytes& lamps, long long tenths, long long previousTenths,
                      bool loopStart);

// The bytes of a row alone, as stepRecord writes them.
inline int stepRecordBytes(const LampBytes& lamps, long long tenths, long long previousTenths,
                           bool loopStart) {
    return stepRecord(lamps, tenths, previousTenths, loopStart).bytes().total();
}

}  // namespace vireo
