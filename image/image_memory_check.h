#pragma once

#include <optional>

#include "image/image_builder.h"
#include "image/image_messages.h"
#include "sequence/document.h"
#include "text/language.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

// How much of the module's memory an image of `length` bytes fills, in whole percent: rounded
// to one decimal and then to a whole number, both times halves to even. No value when the
// capacity is not known (0).
std::optional<int> memoryPercent(int length, int capacity);

// The memory check ("Speicherbedarf"): the same build as an upload, no module involved, and
// the message to show: the percentage, or why there is none.
struct MemoryCheck {
    DataImage image;
    std::optional<int> percent;  // set when the image was built
    UserMessage message;
};

MemoryCheck checkMemory(const Document& document, const VehicleOptions& options, int moduleCode,
                        int capacity, const LanguageTable& texts = LanguageTable::builtIn());

}  // namespace vireo
