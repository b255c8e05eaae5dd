#include "timeline/lamp_rows.h"

#include <algorithm>

#include "car/lamp_model.h"

namespace vireo {

namespace {

std::array<LampRow, kLampRowCount> buildRows() {
    std::array<LampRow, kLampRowCount> rows{};
    int i = 0;
    for (int corner : {kCornerVR, kCornerVL, kCornerHL, kCornerHR}) {
        for (int bit = 0; bit < kLampsPerCorner; ++bit) {
            const bool shared = bit == kMiddleRearLampBit && isRearCorner(corner);
            if (shared && corner == kCornerHR) continue;  // shown once, on the rear-left group
            rows[i++] = LampRow{corner, bit, shared};
        }
    }
    return rows;
}

const QColor kWhite(236, 242, 255);
const QColor kWarmWhite(255, 236, 170);
const QColor kAmber(255, 170, 20);
const QColor kRed(230, 30, 30);

}  // namespace

const std::array<LampRow, kLampRowCount>& lampRows() {
    static const std::array<LampRow, kLampRowCount> rows = buildRows();
    return rows;
}

int lampRowGroup(int row) {
    return row < 0 ? 0 : lampRows()[std::min(row, kLampRowCount - 1)].corner - 1;
}

int mirrorLampRow(int row) {
    if (row < 0 || row >= kLampRowCount) return -1;
    const LampRow& lamp = lampRows()[row];
    if (lamp.bothRear) return row;
    const int corner = mirrorCorner(lamp.corner);
    for (int r = 0; r < kLampRowCount; ++r)
        if (lampRows()[r].corner == corner && lampRows()[r].bit == lamp.bit) return r;
    return -1;
}

bool lampLit(const LampBytes& lamps, const LampRow& row) {
    const int mask = 1 << row.bit;
    if (row.bothRear)
        return (lampByte(lamps, kCornerHL) & mask) || (lampByte(lamps, kCornerHR) & mask);
    return lampByte(lamps, row.corner) & mask;
}

LampBytes withLamp(LampBytes lamps, const LampRow& row, bool on) {
    const int mask = 1 << row.bit;
    const auto set = [&](int corner) {
        int& byte = lampByte(lamps, corner);
        byte = on ? (byte | mask) : (byte & ~mask);
    };
    if (row.bothRear) {
        set(kCornerHL);
        set(kCornerHR);
    } else {
        set(row.corner);
    }
    return lamps;
}

QColor lampColour(const LampRow& row) {
    if (isFrontCorner(row.corner)) {
        switch (row.bit) {
            case 0:
            case 5:
                return kAmber;  // indicator strips
            case 4:
                return kWarmWhite;  // fog lamp
            default:
                return kWhite;  // low and high beam lenses, light ring
        }
    }
    switch (row.bit) {
        case 0:
            return kAmber;  // indicator strip
        case 3:
            return kWhite;  // reversing light
        default:
            return kRed;  // tail lights
    }
}

QString lampRowLabel(const LanguageTable& texts, const LampRow& row) {
    return lampToolTip(texts, row.corner, row.bit);
}

}  // namespace vireo
