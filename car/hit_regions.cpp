#include "car/hit_regions.h"

#include <algorithm>
#include <cmath>

#include "car/lamp_model.h"
#include "text/number_text.h"

namespace vireo {

namespace {

struct RegionRow {
    int code;
    Region region;
};

constexpr RegionRow kFrontRegions[] = {
    {13, {1905, 2280, 1955, 2070}}, {1, {1455, 2115, 2430, 2580}},  {5, {1890, 2115, 2105, 2320}},
    {9, {1470, 1710, 2105, 2320}},  {17, {1800, 2040, 2985, 3225}}, {21, {1460, 1900, 1955, 2070}},
};
constexpr RegionRow kRearRegionsEarly[] = {
    {41, {1620, 2280, 1935, 2070}}, {25, {1935, 2255, 1530, 1709}}, {37, {570, 870, 1530, 1735}},
    {29, {1740, 2265, 1710, 1925}}, {33, {-38, 480, 870, 1090}},    {45, {870, 1200, 1530, 1735}},
};
constexpr RegionRow kRearRegionsLate[] = {
    {41, {1665, 2355, 1955, 2100}}, {25, {1945, 2270, 1530, 1709}}, {37, {1500, 1740, 1605, 1725}},
    {29, {1830, 2280, 1710, 1945}}, {33, {-38, 480, 870, 1090}},    {45, {1245, 1605, 1725, 1920}},
};

template <size_t N>
void writeRows(RegionTable& table, int row, const RegionRow (&rows)[N]) {
    for (const RegionRow& r : rows) {
        table[row][r.code] = r.region.xMin;
        table[row][r.code + 1] = r.region.xMax;
        table[row][r.code + 2] = r.region.yMin;
        table[row][r.code + 3] = r.region.yMax;
    }
}

int16_t toInt16(double value) {
    return static_cast<int16_t>(std::clamp(value, -32768.0, 32767.0));
}

int16_t mirrorOffset(const RegionGeometry& geometry, int corner) {
    if (corner == kCornerVR) return geometry.spiegelversatzVorne;
    if (corner == kCornerHL) return geometry.spiegelversatzHinten;
    return 0;
}

bool isMirrored(int corner) {
    return corner == kCornerVR || corner == kCornerHL;
}

}  // namespace

int regionBit(int code) {
    switch (code) {
        case 13:
        case 41:
            return 0;
        case 5:
        case 29:
            return 1;
        case 9:
        case 25:
            return 2;
        case 1:
        case 37:
            return 3;
        case 17:
        case 33:
            return 4;
        case 21:
        case 45:
            return 5;
        default:
            return -1;
    }
}

int regionRow(int code) {
    return code >= 25 ? kRearRow : kFrontRow;
}

Region regionOf(const RegionTable& table, int code) {
    if (code < 1 || code + 3 >= kRegionColumns) return {};
    const auto& row = table[regionRow(code)];
    return {row[code], row[code + 1], row[code + 2], row[code + 3]};
}

void writeFrontRegions(RegionTable& table) {
    writeRows(table, kFrontRow, kFrontRegions);
}
void writeRearRegionsEarly(RegionTable& table) {
    writeRows(table, kRearRow, kRearRegionsEarly);
}
void writeRearRegionsLate(RegionTable& table) {
    writeRows(table, kRearRow, kRearRegionsLate);
}

int16_t testAbscissa(const RegionGeometry& geometry, int corner, float x) {
    // Single-precision arithmetic as the mouse reports it, then rounded half to even.
    float value = x;
    if (isMirrored(corner))
        value = float(kPictureWidthTwips) - x + float(mirrorOffset(geometry, corner));
    return toInt16(roundHalfEven(value));
}

int hitRegion(const RegionGeometry& geometry, int corner, float x, float y) {
    const bool front = isFrontCorner(corner);
    if (!front && !isRearCorner(corner)) return 0;
    const int16_t tx = testAbscissa(geometry, corner, x);
    const auto& order = front ? kFrontTestOrder : kRearTestOrder;
    for (int code : order) {
        const Region r = regionOf(geometry.table, code);
        if (r.xMin < tx && tx < r.xMax && r.yMin < y && y < r.yMax) return code;
    }
    return 0;
}

int twipsToPixel(double twips) {
    return int(std::floor(twips / kTwipsPerPixel));
}

QRect regionOutline(const RegionGeometry& geometry, int corner, int code) {
    const Region r = regionOf(geometry.table, code);
    int x1 = r.xMin, x2 = r.xMax;
    if (isMirrored(corner)) {
        const int offset = mirrorOffset(geometry, corner);
        x1 = kPictureWidthTwips - r.xMin + offset;
        x2 = kPictureWidthTwips - r.xMax + offset;
    }
    const int left = twipsToPixel(std::min(x1, x2));
    const int right = twipsToPixel(std::max(x1, x2));
    const int top = twipsToPixel(std::min(r.yMin, r.yMax));
    const int bottom = twipsToPixel(std::max(r.yMin, r.yMax));
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace vireo
