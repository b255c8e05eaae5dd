#pragma once

#include <array>
#include <optional>
#include <vector>

#include "image/image_builder.h"
#include "image/image_messages.h"
#include "sequence/document.h"
#include "text/language.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

// The bytes before the first step: the index 0 that is never sent does not count, so bytes
// 1..9 (section ends, module code, option bits, "Soft ein" and two spare bytes).
constexpr int kImageHeaderBytes = kFirstSectionIndex - 1;

// What every byte of an image is for, from the same build as an upload but with no memory
// limit, so that an image that does not fit still shows what it would take. The parts add up
// to `total`, the image length.
struct ImageCost {
    ImageOutcome outcome = ImageOutcome::Ok;  // never Capacity: the build has no limit
    UserMessage message;                      // why there are no figures, when not Ok
    int capacity = 0;
    int header = 0;  // 0 when the image holds nothing at all
    std::array<std::vector<RowBytes>, 2> rows;
    int welcomeHold = 0;
    int goodbyeHold = 0;
    int total = 0;

    // Whether there are figures: the image was built, or would be built but has nothing to send.
    bool hasFigures() const {
        return outcome == ImageOutcome::Ok || outcome == ImageOutcome::NothingToSend;
    }
    int sequenceBytes(int sequence) const;
    int holdBytes() const { return welcomeHold + goodbyeHold; }
    int excess() const { return total > capacity ? total - capacity : 0; }
    int freeBytes() const { return total < capacity ? capacity - total : 0; }
    // The first row of `sequence` whose last byte lands above the capacity; -1 when it fits.
    int firstRowBeyond(int sequence) const;
};

// What every byte of the image of this document is for: the one count of bytes that the meter,
// the cost strip, the memory report, compaction and patterns all use.
ImageCost imageCost(const Document& document, const VehicleOptions& options, int moduleCode,
                    int capacity, const LanguageTable& texts = LanguageTable::builtIn());

// What the rows of one sequence cost standing alone (as the welcome sequence of a document with
// no options): they depend on its rows alone.
ImageCost sequenceImageCost(const Sequence& rows);
// The bytes of each row of one sequence, from imageCost. Empty when the rows have no image.
std::vector<RowBytes> sequenceRowBytes(const Sequence& rows);
// Their sum: the bytes the rows of a sequence take in the image (its section, without the
// header or hold records); nothing when the rows have no image.
std::optional<int> sequenceImageBytes(const Sequence& rows);

}  // namespace vireo
