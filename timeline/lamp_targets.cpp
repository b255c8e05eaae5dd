#include "timeline/lamp_targets.h"

#include "car/lamp_model.h"

namespace vireo {

namespace {

int regionCode(int corner, int bit) {
    const auto& codes = isFrontCorner(corner) ? kFrontCodes : kRearCodes;
    for (int code : codes)
        if (regionBit(code) == bit) return code;
    return 0;
}

}  // namespace

std::vector<LampTarget> lampTargets(const RegionGeometry& geometry) {
    std::vector<LampTarget> targets;
    for (const LampRow& row : lampRows()) {
        LampTarget t;
        t.row = row;
        t.corner = row.corner;
        t.code = regionCode(row.corner, row.bit);
        t.outline = regionOutline(geometry, row.corner, t.code);
        // A region a pixel wide or less has no inside a click could reach.
        if (t.outline.width() < 3 || t.outline.height() < 3) return {};
        const QPointF middle = QRectF(t.outline).center();
        t.clickTwips = middle * kTwipsPerPixel;
        targets.push_back(t);
    }
    return targets;
}

}  // namespace vireo
