#pragma once

#include <QPointF>
#include <QRect>
#include <vector>

#include "car/hit_regions.h"
#include "timeline/lamp_rows.h"

namespace vireo {

// Where the lamp of a timeline row sits on its picture, so the lamps can be reached by keyboard
// in the timeline's order: the picture, the region, its outline and the point a click there has.
struct LampTarget {
    LampRow row;
    int corner = 0;      // the picture (the rear middle lamp: the rear-left one)
    int code = 0;        // the region
    QRect outline;       // pixels on the picture
    QPointF clickTwips;  // the middle of the region, as the mouse reports it
};

// One target per timeline row, in the rows' order; none before a model is applied.
std::vector<LampTarget> lampTargets(const RegionGeometry& geometry);

}  // namespace vireo
