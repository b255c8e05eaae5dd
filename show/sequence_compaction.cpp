#include "show/sequence_compaction.h"

#include "image/image_cost.h"
#include "sequence/edit_limits.h"
#include "sequence/loop_marker.h"
#include "show/compaction_search.h"
#include "simulation/shown_lamps.h"

namespace vireo {

namespace {

// The rows longer than a made row that the image can still hold: a row as long as one of them
// may stay as it is.
std::vector<qint64> longRowsOf(const Sequence& rows) {
    std::vector<qint64> longRows;
    for (const Step& row : rows)
        if (row.time.ms() > kLongestMadeRowMs && row.time.tenths() <= 255)
            longRows.push_back(row.time.ms());
    return longRows;
}

}  // namespace

bool keepsLoopRules(const Sequence& rows) {
    int loops = 0;
    QString previous;
    for (int r = 0; r < rows.size(); ++r) {
        const QString& marker = rows[r].loop;
        if (marker.isEmpty() || marker == previous) {
            previous = marker;
            continue;
        }
        ++loops;
        int last = r;
        while (last + 1 < rows.size() && rows[last + 1].loop == marker) ++last;
        const int length = last - r + 1;
        const long long passes = markerRepeatCount(marker);
        if (marker != loopMarker(loops, int(passes)) || length < kMinLoopRows ||
            length > kMaxLoopRows || passes < kMinLoopPasses || passes > kMaxLoopPasses ||
            last + 1 > kMaxLoopRow || loops > kMaxMarkedRuns)
            return false;
        previous = marker;
    }
    return true;
}

CompactionResult compactSequence(const Sequence& rows) {
    CompactionResult result;
    result.rows = rows;
    const ImageCost before = sequenceImageCost(rows);
    if (before.hasFigures())
        result.bytesBefore = result.bytesAfter = before.sequenceBytes(kWelcome);
    else
        result.inputHasNoImage = before.outcome;

    const auto shown = shownLamps(rows, kMaxCompactedPlaybackSteps);
    if (!shown) {
        result.status = CompactionResult::Status::Endless;
        return result;
    }
    const std::optional<Sequence> compacted = smallestRowsFor(*shown, longRowsOf(rows));
    const std::optional<int> after =
        compacted ? sequenceImageBytes(*compacted) : std::optional<int>();
    const bool smaller = after && (result.inputHasNoImage || *after < result.bytesBefore);
    if (!smaller) {
        if (result.inputHasNoImage) result.status = CompactionResult::Status::CannotBuild;
        return result;
    }
    if (!keepsLoopRules(*compacted) ||
        shownLamps(*compacted, kMaxCompactedPlaybackSteps) != shown) {
        // A result that does not keep the show is never handed out.
        result.status = CompactionResult::Status::CheckFailed;
        return result;
    }
    result.status = CompactionResult::Status::Compacted;
    result.rows = *compacted;
    result.bytesAfter = *after;
    return result;
}

}  // namespace vireo
