#pragma once

#include <QString>

#include "image/image_cost.h"
#include "module/upload_image.h"
#include "sequence/document.h"
#include "text/language.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

// The memory the meter measures against: what the next upload may use.
constexpr int kDefaultModuleCapacity = kUploadCapacity;

// What the memory meter shows after a change, all of it from one count of the image's bytes
// (imageCost): the same figures the memory check, the cost strip and the headless tool give.
struct MeterReading {
    enum class State {
        Fits,     // the image fits: percent, used of capacity
        TooBig,   // the image does not fit: excess bytes too many
        NoImage,  // the image cannot be built (too many loops or rows, a value too large)
        NothingToSend,
    };
    State state = State::NothingToSend;
    int percent = 0;
    int used = 0;  // image bytes; for TooBig the size the image would need
    int capacity = 0;
    int excess = 0;
    QString text;  // one line for the meter
    // Which bytes belong to what, also above the capacity (no figures when there is no image),
    // and the meter's tool tip made of it.
    ImageCost cost;
    QString toolTip;
};

MeterReading readMemoryMeter(const Document& document, const VehicleOptions& options,
                             int moduleCode, int capacity,
                             const LanguageTable& texts = LanguageTable::builtIn());

}  // namespace vireo
