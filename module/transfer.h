#pragma once

#include <functional>

#include "image/image_builder.h"
#include "module/exchanger.h"
#include "module/module_identity.h"
#include "module/upload_messages.h"
#include "text/language.h"

namespace vireo {

enum class TransferOutcome {
    Ok,         // every byte was confirmed
    EchoError,  // an index was answered wrongly on its last allowed sending
    NoReply,    // an index was not answered on its last allowed sending
    NotSent,    // the image was not built, so nothing was sent
};

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::NotSent;
    int confirmed = 0;    // bytes the module confirmed (indices 1..confirmed)
    UserMessage message;  // success with the memory percentage, or the failure
};

// The progress bar: value runs 1..maximum while sending and returns to 0 at the end.
using TransferProgress = std::function<void(int value, int maximum)>;

// Writes bytes 1..length of a built image into the module, one 3-byte frame (index high, index
// low, byte) per exchange, then sends the end frame whatever the outcome. A frame is confirmed
// when the reply is the frame followed by exactly one more byte. Failures are counted across
// indices (h, g): an index is sent at most six times running, and the count is not cleared on a
// confirmation, so after five failures at one index a single failure at the next one stops.
// `capacity` is the memory the percentage of the success message refers to. An image that was
// not built is not sent at all (no frames, no end frame).
TransferResult transferImage(Exchanger& exchanger, const DataImage& image, int capacity,
                             const LanguageTable& texts = LanguageTable::builtIn(),
                             const TransferProgress& progress = {});

}  // namespace vireo
