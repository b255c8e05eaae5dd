#pragma once

#include <QByteArray>
#include <array>
#include <vector>

#include "image/image_messages.h"
#include "image/step_record.h"
#include "sequence/document.h"
#include "text/language.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

// The data image the module stores: indices 0..1015, index 0 never sent. Header bytes 1-2 and
// 3-4 hold the last index of the welcome and the goodbye section (high byte first), byte 5 the
// model's module code, byte 6 the option bits, byte 7 bit 1 "Soft ein"; the sections start at 10.
constexpr int kImageSize = 1016;
constexpr int kFirstSectionIndex = 10;
constexpr int kMaxLoopsPerSequence = 20;

enum class ImageOutcome {
    Ok,             // bytes 1..length are ready to send
    NothingToSend,  // the image would be one control byte, or nothing at all
    Capacity,       // a byte would land above the module's memory
    Overflow,       // a value does not fit its byte (a repeat count of 0, an on-time above 25,5 s)
    TooManyLoops,   // a table has more loops than the module holds
    TooManyRows,    // a table has more rows than a sequence may have
};

struct DataImage {
    ImageOutcome outcome = ImageOutcome::Ok;
    QByteArray bytes = QByteArray(kImageSize, '\0');
    int length = 0;  // Datenlaenge: the bytes 1..length are sent
    // What to tell the user when the build did not succeed. Empty for Ok and for NothingToSend
    // (an upload with nothing to send ends silently; the memory check says so itself).
    UserMessage message;

    int byteAt(int index) const { return static_cast<unsigned char>(bytes.at(index)); }
};

// Where the bytes of an image come from, as the builder wrote them: the rows of the welcome and
// the goodbye sequence in row order and the two hold records (0 when there is none).
struct ImageLayout {
    std::array<std::vector<RowBytes>, 2> rows;
    int welcomeHold = 0;
    int goodbyeHold = 0;
};

// A capacity with no limit: the image grows past kImageSize as far as the rows need, so a build
// can tell what an image that does not fit would take. Never sent.
constexpr int kUnlimitedCapacity = -1;

// Why an image was not built, as a message; empty for Ok and NothingToSend. `sequence` is the
// table the build stopped at.
UserMessage imageOutcomeMessage(ImageOutcome outcome, int sequence,
                                const LanguageTable& texts = LanguageTable::builtIn());

// Builds the image of both sequences, their loops, the hold records and the option bits.
// `moduleCode` is the vehicle model's module code (byte 5), `capacity` the module memory the
// image may use (no byte may land above it). Every build starts from an all-zero image.
DataImage buildDataImage(const Document& document, const VehicleOptions& options, int moduleCode,
                         int capacity, const LanguageTable& texts = LanguageTable::builtIn());

// The same build, recording into `layout` which bytes belong to what.
DataImage buildDataImage(const Document& document, const VehicleOptions& options, int moduleCode,
                         int capacity, ImageLayout& layout,
                         const LanguageTable& texts = LanguageTable::builtIn());

}  // namespace vireo
