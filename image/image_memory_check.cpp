#include "image/image_memory_check.h"

#include "image/image_cost.h"
#include "text/number_text.h"

namespace vireo {

std::optional<int> memoryPercent(int length, int capacity) {
    if (capacity <= 0) return std::nullopt;
    const double tenths = roundHalfEven(static_cast<double>(length) * 1000.0 / capacity);
    return static_cast<int>(roundHalfEven(tenths / 10.0));
}

MemoryCheck checkMemory(const Document& document, const VehicleOptions& options, int moduleCode,
                        int capacity, const LanguageTable& texts) {
    MemoryCheck check;
    // The upload's own build decides what is told; the figure is the one every other place
    // shows, from the same count of bytes.
    check.image = buildDataImage(document, options, moduleCode, capacity, texts);
    switch (check.image.outcome) {
        case ImageOutcome::Ok:
            // An image that was built fits the capacity, so the capacity is above 0 here.
            check.percent = memoryPercent(
                imageCost(document, options, moduleCode, capacity, texts).total, capacity);
            check.message = memoryCheckMessage(texts, check.percent.value_or(0));
            break;
        case ImageOutcome::NothingToSend:
            check.message = nothingToSendMessage(texts);
            break;
        default:
            check.message = check.image.message;
            break;
    }
    return check;
}

}  // namespace vireo
