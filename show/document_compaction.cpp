#include "show/document_compaction.h"

#include "image/image_cost.h"

namespace vireo {

bool DocumentCompaction::changed() const {
    for (const auto& s : sequences)
        if (s && s->changed()) return true;
    return false;
}

bool DocumentCompaction::checkFailed() const {
    for (const auto& s : sequences)
        if (s && s->status == CompactionResult::Status::CheckFailed) return true;
    return false;
}

DocumentCompaction compactDocument(const Document& document, int sequence,
                                   const VehicleOptions& options, int moduleCode, int capacity) {
    DocumentCompaction result;
    result.before = result.document = document;
    result.capacity = capacity;
    for (int t = kWelcome; t <= kGoodbye; ++t) {
        if (sequence >= 0 && sequence != t) continue;
        result.sequences[t] = compactSequence(document.sequences[t]);
        if (result.sequences[t]->changed())
            result.document.sequences[t] = result.sequences[t]->rows;
    }
    if (result.checkFailed()) result.document = document;
    const auto total = [&](const Document& d) {
        const ImageCost cost = imageCost(d, options, moduleCode, capacity);
        return cost.outcome == ImageOutcome::Ok ? cost.total : 0;
    };
    result.imageBefore = total(document);
    result.imageAfter = result.changed() ? total(result.document) : result.imageBefore;
    return result;
}

}  // namespace vireo
