#pragma once

#include <vector>

#include "sequence/document.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

// One change a fit makes to a lamp state of the show as seen (step 1 is the first lamp state a
// sequence shows, its loops played out and equal neighbours merged).
struct FitChange {
    int sequence = 0;
    int step = 0;  // 1-based, in the show as seen before the fit
    qint64 oldMs = 0;
    qint64 newMs = 0;  // unused when dropped
    bool dropped = false;

    bool operator==(const FitChange&) const = default;
};

struct ShowFit {
    enum class Status {
        AlreadyFits,  // nothing changed: the document fits as it is
        Fitted,       // on-times (and dropped steps, when allowed) make it fit
        NeedsDrops,   // on-times alone cannot make it fit; dropping steps was not allowed
        CannotFit,    // not even dropping steps makes it fit, or a show cannot be read as steps
        CheckFailed,  // the result did not pass its own check; nothing may be applied
    };
    Status status = Status::CannotFit;
    Document before;    // the document fitted
    Document document;  // the fitted document; the input unless Fitted
    int capacity = 0;
    int bytesBefore = 0;  // the whole image, also above the capacity; 0 without an image
    int bytesAfter = 0;
    int stepsAloneNeed = 0;  // the fewest bytes any on-times give (NeedsDrops and CannotFit)
    qint64 changeMs = 0;     // the sum of every step's change, dropped steps counted whole
    qint64 largestChangeMs = 0;
    std::vector<FitChange> changes;  // in sequence and step order

    bool changed() const { return status == Status::Fitted; }
};

// The document closest to `document` whose image fits `capacity` bytes: every lamp state of the
// show as seen keeps its lamps and its place, and the sum of |new duration - old duration| over
// them is as small as the search finds. On-times are tenths from 0.1 to 10 s; the rows are then
// written as compactly as their durations allow (loops, merged neighbours, split rows).
// When on-times alone cannot make it fit and `allowDrops` is set, the shortest steps are dropped
// first, each giving its time to the step before it, until the rest can be fitted.
// The result is played back and built again before it is returned: one whose lamps or order
// differ, or whose image does not fit, is never handed out.
ShowFit fitDocument(const Document& document, const VehicleOptions& options, int moduleCode,
                    int capacity, bool allowDrops);

}  // namespace vireo
