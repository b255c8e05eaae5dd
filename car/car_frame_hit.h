#pragma once

#include <QPointF>
#include <optional>

#include "car/hit_regions.h"

namespace vireo {

// A lamp of the car pictures: its corner (1..4) and bit (0..5). The rear middle lamp is found
// as bit 4 of the rear corner it was hit on.
struct HitLamp {
    int corner = 0;
    int bit = 0;
    bool operator==(const HitLamp&) const = default;
};

// The lamp under a point of a car frame `frameWidth` pixels wide (as CarFrameRenderer draws the
// car's four pictures), by the click regions of the vehicle; nothing between the lamps or off
// the pictures.
std::optional<HitLamp> lampAtFramePoint(const RegionGeometry& geometry, int frameWidth,
                                        QPointF point);

}  // namespace vireo
