#include "timeline/memory_meter.h"

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

MeterReading readMemoryMeter(const Document& document, const VehicleOptions& options,
                             int moduleCode, int capacity, const LanguageTable& texts) {
    MeterReading reading;
    reading.capacity = capacity;
    reading.cost = imageCost(document, options, moduleCode, capacity, texts);
    const ImageCost& cost = reading.cost;
    switch (cost.outcome) {
        case ImageOutcome::Ok:
            break;
        case ImageOutcome::NothingToSend:
            reading.state = MeterReading::State::NothingToSend;
            reading.text = oneLine(nothingToSendMessage(texts).text);
            return reading;
        default:
            noImage(reading, cost.message, texts);
            return reading;
    }
    reading.used = cost.total;
    reading.percent = memoryPercent(cost.total, capacity).value_or(0);
    reading.toolTip = imageBreakdownText(cost, texts);
    if (cost.total <= capacity) {
        reading.state = MeterReading::State::Fits;
        reading.text =
            texts.entry(text::MeterUsage).arg(reading.percent).arg(reading.used).arg(capacity);
    } else {
        reading.state = MeterReading::State::TooBig;
        reading.excess = cost.excess();
        reading.text =
            texts.entry(text::MeterTooBig).arg(reading.used).arg(capacity).arg(reading.excess);
    }
    return reading;
}

}  // namespace vireo
