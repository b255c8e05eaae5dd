#include "image/image_loop_census.h"

#include "text/number_text.h"

namespace vireo {

LoopCensus loopCensus(const Sequence& rows, int maxLoops) {
    LoopCensus census;
    long long lastLoopNumber = 0;
    for (const Step& row : rows) {
        if (row.loop.isEmpty()) continue;
        const long long number = markerLoopNumber(row.loop);
        if (number != lastLoopNumber) {
            if (static_cast<int>(census.loops.size()) >= maxLoops) {
                census.status = LoopCensus::Status::TooManyLoops;
                return census;
            }
            const long long repeat = markerRepeatCount(row.loop) - 1;
            if (repeat < 0 || repeat > 255) {
                census.status = LoopCensus::Status::Overflow;
                return census;
            }
            census.loops.push_back({static_cast<int>(repeat), 0});
            lastLoopNumber = number;
        } else if (!census.loops.empty()) {
            if (++census.loops.back().length > 255) {
                census.status = LoopCensus::Status::Overflow;
                return census;
            }
        }
    }
    return census;
}

}  // namespace vireo
