#include "sequence/pattern_rows.h"

#include "image/image_cost.h"
#include "sequence/loop_marker.h"

namespace vireo {

bool passesCanLoop(int passRows, int passes) {
    return passes >= kMinLoopPasses && passRows >= kMinLoopRows && passRows <= kMaxLoopRows;
}

Sequence patternRows(const QVector<LampBytes>& pass, int tenths, int passes, int loopNumber) {
    const OnTime time = OnTime::ofTenths(tenths);
    Sequence copies;
    for (int p = 0; p < passes; ++p)
        for (const LampBytes& lamps : pass) copies.append(Step{time, QString(), lamps});
    if (loopNumber <= 0 || !passesCanLoop(pass.size(), passes)) return copies;

    Sequence looped;
    const QString marker = loopMarker(loopNumber, passes);
    for (const LampBytes& lamps : pass) looped.append(Step{time, marker, lamps});
    const auto loopCost = sequenceImageBytes(looped);
    const auto copiesCost = sequenceImageBytes(copies);
    if (loopCost && (!copiesCost || *loopCost < *copiesCost)) return looped;
    return copies;
}

}  // namespace vireo
