#pragma once

#include "image/image_builder.h"
#include "module/exchanger.h"
#include "module/transfer.h"
#include "module/upload_messages.h"
#include "sequence/document.h"
#include "text/language.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

// The memory an upload may use: set before every upload, whatever the module reported.
constexpr int kUploadCapacity = 510;

// The send button acts only when there is a welcome sequence or a welcome hold to send.
bool uploadWanted(const Document& document, const VehicleOptions& options);

struct UploadResult {
    DataImage image;
    TransferResult transfer;  // NotSent when the image was not built
    // What to show: the build's failure (nothing when there was nothing to send), or the
    // transfer's success or failure.
    UserMessage message;

    bool succeeded() const { return transfer.outcome == TransferOutcome::Ok; }
};

// Builds the image for an upload (capacity kUploadCapacity) and, when it was built, writes it
// into the module that answered the handshake, ending with the end frame. The caller runs the
// handshake, applies the module's edition to the options first and closes the link afterwards.
UploadResult uploadImage(Exchanger& exchanger, const Document& document,
                         const VehicleOptions& options, int moduleCode,
                         const LanguageTable& texts = LanguageTable::builtIn(),
                         const TransferProgress& progress = {});

}  // namespace vireo
