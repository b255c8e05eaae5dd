#include "image/image_cost.h"

#include <numeric>

namespace vireo {

int ImageCost::sequenceBytes(int sequence) const {
    return std::accumulate(rows[sequence].begin(), rows[sequence].end(), 0,
                           [](int sum, const RowBytes& row) { return sum + row.total(); });
}

// The image lays out the header, the welcome rows, the welcome hold record, the goodbye rows and
// the goodbye hold record, in this order.
int ImageCost::firstRowBeyond(int sequence) const {
    int end = header;
    if (sequence == kGoodbye) end += sequenceBytes(kWelcome) + welcomeHold;
    for (std::size_t r = 0; r < rows[sequence].size(); ++r) {
        end += rows[sequence][r].total();
        if (end > capacity) return static_cast<int>(r);
    }
    return -1;
}

ImageCost sequenceImageCost(const Sequence& rows) {
    Document document;
    document.sequences[kWelcome] = rows;
    return imageCost(document, VehicleOptions{}, 0, kImageSize - 1);
}

std::vector<RowBytes> sequenceRowBytes(const Sequence& rows) {
    ImageCost cost = sequenceImageCost(rows);
    return std::move(cost.rows[kWelcome]);
}

std::optional<int> sequenceImageBytes(const Sequence& rows) {
    const ImageCost cost = sequenceImageCost(rows);
    if (!cost.hasFigures()) return std::nullopt;
    return cost.sequenceBytes(kWelcome);
}

ImageCost imageCost(const Document& document, const VehicleOptions& options, int moduleCode,
                    int capacity, const LanguageTable& texts) {
    ImageCost cost;
    cost.capacity = capacity;
    ImageLayout layout;
    const DataImage image =
        buildDataImage(document, options, moduleCode, kUnlimitedCapacity, layout, texts);
    cost.outcome = image.outcome;
    cost.message = image.message;
    if (!cost.hasFigures()) return cost;
    cost.rows = layout.rows;
    cost.welcomeHold = layout.welcomeHold;
    cost.goodbyeHold = layout.goodbyeHold;
    const int body = cost.sequenceBytes(kWelcome) + cost.sequenceBytes(kGoodbye) + cost.holdBytes();
    cost.header = body > 0 ? kImageHeaderBytes : 0;
    // Built, the image is exactly its parts; with nothing to send its parts are what it would be.
    cost.total = image.outcome == ImageOutcome::Ok ? image.length : cost.header + body;
    return cost;
}

}  // namespace vireo
