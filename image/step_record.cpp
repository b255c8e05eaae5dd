#include "image/step_record.h"

namespace vireo {

namespace {
constexpr int kControl = 128;
constexpr int kTimeBit = 64;
constexpr int kLoopBit = 32;
constexpr int kRearMiddleLamp = 16;

int cornerBit(int corner) {
    return 1 << (corner + 1);
}
}  // namespace

RowBytes StepRecord::bytes() const {
    RowBytes b;
    b.time = timeByte ? 1 : 0;
    for (bool c : corners) b.corners += c ? 1 : 0;
    b.loop = loopBytes ? 2 : 0;
    return b;
}

StepRecord stepRecord(const LampBytes& lamps, long long tenths, long long previousTenths,
                      bool loopStart) {
    StepRecord r;
    r.control = kControl;
    for (int c = 0; c < kCorners; ++c) {
        if (lamps[c] > 0) {
            r.corners[c] = true;
            r.control |= cornerBit(c);
        }
    }
    if (lamps[2] == kRearMiddleLamp && lamps[3] == kRearMiddleLamp) {
        r.corners[3] = false;
        r.control &= ~cornerBit(3);
    }
    if (tenths != previousTenths) {
        r.timeByte = true;
        r.control |= kTimeBit;
    }
    if (loopStart) {
        r.loopBytes = true;
        r.control |= kLoopBit;
        const bool anyCorner = r.corners[0] || r.corners[1] || r.corners[2] || r.corners[3];
        if (!anyCorner) {
            r.corners[0] = true;
            r.control |= cornerBit(0);
        }
    }
    return r;
}

}  // namespace vireo
