#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "sequence/document.h"

namespace vireo {

class LanguageTable;

// Corner numbers and their picture controls.
constexpr int kCornerVR = 1;  // front right, imaVR
constexpr int kCornerVL = 2;  // front left, imaVL
constexpr int kCornerHL = 3;  // rear left, imaHL
constexpr int kCornerHR = 4;  // rear right, imaHR

constexpr int kLampsPerCorner = 6;     // bits 0..5 of a lamp-state byte
constexpr int kLampMask = 0x3F;        // the lamp bits of a byte
constexpr int kMiddleRearLampBit = 4;  // one lamp shared by both rear corners

inline bool isFrontCorner(int corner) {
    return corner == kCornerVR || corner == kCornerVL;
}
inline bool isRearCorner(int corner) {
    return corner == kCornerHL || corner == kCornerHR;
}
// Left pictures (imaVL, imaHL) carry the left tool tip suffix.
inline bool isLeftCorner(int corner) {
    return corner == kCornerVL || corner == kCornerHL;
}
// The corner on the other side of the car: front right <-> front left, rear left <-> rear
// right; 0 for any other number.
int mirrorCorner(int corner);
// The picture controls' object names, by corner number; empty for any other number.
QString pictureControlName(int corner);

// The name of one lamp: a language entry followed by a position suffix.
struct LampName {
    int entry = 0;
    QString suffix;
};
LampName lampName(int corner, int bit);
QString lampToolTip(const LanguageTable& language, int corner, int bit);

// Picture bases (Bildbasis), by corner 1..4 at index corner - 1; 0 until a model is applied.
using PictureBases = std::array<int16_t, kCorners>;

// The resource picture of a corner: its base plus its lamp byte, as a 16-bit signed sum. Only
// the lamp bits 0..5 count, so a byte above 63 (which only a file can bring) still selects a
// picture of the corner's own block.
int16_t pictureNumber(int16_t base, int lampByte);

// Lampen_Zustand after Licht_Aus and the order in which the window redraws the corners.
constexpr std::array<int, kCorners> kLichtAusOrder = {kCornerVL, kCornerVR, kCornerHL, kCornerHR};
// Sets every byte to 0 in that order and returns the corners to redraw, in order.
std::array<int, kCorners> lichtAus(LampBytes& lamps);

// The byte of a corner (1..4) in a LampBytes array.
inline int& lampByte(LampBytes& lamps, int corner) {
    return lamps[corner - 1];
}
inline int lampByte(const LampBytes& lamps, int corner) {
    return lamps[corner - 1];
}

}  // namespace vireo
