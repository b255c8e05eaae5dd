#include "timeline/memory_meter.h"

#include <algorithm>

#include "image/image_builder.h"
#include "image/image_memory_check.h"
#include "text/text_ids.h"
#include "timeline/cost_texts.h"

namespace vireo {

namespace {
// A message box text on one line.
QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

void noImage(MeterReading& reading, const UserMessage& message, const LanguageTable& texts) {
    reading.state = MeterReading::State::NoImage;
    reading.text = texts.entry(text::MeterNoImage).arg(oneLine(message.text));
}
}  // namespace

namespace {
MeterReading readMeter(const Document& document, const VehicleOptions& options, int moduleCode,
                       int capacity, const LanguageTable& texts) {
    MeterReading reading;
    reading.capacity = capacity;
    const MemoryCheck check = checkMemory(document, options, moduleCode, capacity, texts);
    switch (check.image.outcome) {
        case ImageOutcome::Ok:
            reading.state = MeterReading::State::Fits;
            reading.used = check.image.length;
            reading.percent = check.percent.value_or(0);
            reading.text = texts.entry(text::MeterUsage)
                               .arg(reading.percent)
                               .arg(reading.used)
                               .arg(reading.capacity);
            return reading;
        case ImageOutcome::NothingToSend:
            reading.state = MeterReading::State::NothingToSend;
            reading.text = oneLine(check.message.text);
            return reading;
        case ImageOutcome::Capacity:
            break;
        default:
            noImage(reading, check.message, texts);
            return reading;
    }

    // Too big: the same build against the largest image says how much too big.
    reading.state = MeterReading::State::TooBig;
    const DataImage whole = buildDataImage(document, options, moduleCode, kImageSize - 1, texts);
    if (whole.outcome == ImageOutcome::Ok) {
        reading.used = whole.length;
        reading.excess = std::max(1, whole.length - capacity);
        reading.text = texts.entry(text::MeterTooBig)
                           .arg(reading.used)
                           .arg(reading.capacity)
                           .arg(reading.excess);
    } else if (whole.outcome == ImageOutcome::Capacity) {
        reading.atLeast = true;
        reading.used = kImageSize;
        reading.excess = kImageSize - capacity;
        reading.text = texts.entry(text::MeterFarTooBig)
                           .arg(kImageSize - 1)
                           .arg(reading.capacity)
                           .arg(reading.excess);
    } else {
        noImage(reading, whole.message, texts);
    }
    reading.percent = memoryPercent(reading.used, capacity).value_or(0);
    return reading;
}
}  // namespace

MeterReading readMemoryMeter(const Document& document, const VehicleOptions& options,
                             int moduleCode, int capacity, const LanguageTable& texts) {
    MeterReading reading = readMeter(document, options, moduleCode, capacity, texts);
    reading.cost = imageCost(document, options, moduleCode, capacity, texts);
    if (reading.cost.outcome == ImageOutcome::Ok)
        reading.toolTip = imageBreakdownText(reading.cost, texts);
    return reading;
}

}  // namespace vireo
