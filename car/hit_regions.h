#pragma once

#include <QRect>
#include <array>
#include <cstdint>

namespace vireo {

// Picture geometry in twips: 15 twips per pixel, a picture is 195 x 269 pixels.
constexpr int kTwipsPerPixel = 15;
constexpr int kPictureWidthPx = 195;
constexpr int kPictureHeightPx = 269;
constexpr int kPictureWidthTwips = kPictureWidthPx * kTwipsPerPixel;  // 2925

// Region table (Bereichstabelle): row 1 front, row 2 rear, columns 0..48. A region code v owns
// columns v (x min), v + 1 (x max), v + 2 (y min) and v + 3 (y max) of its row.
constexpr int kFrontRow = 1;
constexpr int kRearRow = 2;
constexpr int kRegionColumns = 49;
using RegionTable = std::array<std::array<int16_t, kRegionColumns>, 3>;

// Front regions are given on the front-left picture and mirrored for the front right; rear
// regions are given on the rear-right picture and mirrored for the rear left.
constexpr std::array<int, 6> kFrontCodes = {1, 5, 9, 13, 17, 21};
constexpr std::array<int, 6> kRearCodes = {25, 29, 33, 37, 41, 45};
constexpr std::array<int, 6> kFrontTestOrder = {13, 1, 5, 9, 17, 21};
constexpr std::array<int, 6> kRearTestOrder = {41, 25, 37, 29, 33, 45};
constexpr int kRegionEndingTest = 37;  // a hit here ends the rear test
constexpr int kMiddleLampRegion = 33;  // the middle rear lamp, on both rear pictures
constexpr int kUpperRedRegion = 25;    // outlined together with kLowerRedRegion
constexpr int kLowerRedRegion = 29;

// Region tables and mirror offsets of the applied vehicle; all 0 before a model is applied.
struct RegionGeometry {
    RegionTable table{};
    int16_t spiegelversatzVorne = 0;
    int16_t spiegelversatzHinten = 0;
    bool operator==(const RegionGeometry&) const = default;
};

struct Region {
    int16_t xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

// The lamp bit a region code switches; -1 for a code that is no region.
int regionBit(int code);
// The table row of a code: front codes 1..21, rear codes 25..45.
int regionRow(int code);
Region regionOf(const RegionTable& table, int code);

void writeFrontRegions(RegionTable& table);
void writeRearRegionsEarly(RegionTable& table);  // model "111"
void writeRearRegionsLate(RegionTable& table);   // models "112" and "113"

// The abscissa a picture position is tested with: mirrored on the front-right and rear-left
// pictures, rounded half to even and held to the 16-bit range.
int16_t testAbscissa(const RegionGeometry& geometry, int corner, float x);

// The code of the region under (x, y) twips on the picture of a corner (1..4), 0 for none.
// Borders belong to no region.
int hitRegion(const RegionGeometry& geometry, int corner, float x, float y);

// The outline of a region on the picture of corner 1..4 in pixels (inclusive corners),
// mirrored on the front-right and rear-left pictures.
QRect regionOutline(const RegionGeometry& geometry, int corner, int code);

// Twips to the pixel that holds them.
int twipsToPixel(double twips);

}  // namespace vireo
