#include "module/pattern_rows.h"

#include "module/image_builder.h"
#include "sequence/loop_marker.h"
#include "text/number_text.h"

namespace vireo {

std::optional<int> sequenceBytes(const Sequence& rows) {
    Document document;
    document.sequences[kWelcome] = rows;
    const DataImage image = buildDataImage(document, VehicleOptions{}, 0, kImageSize - 1);
    // A single dark step is "nothing to send" to the module, yet still one control byte here.
    if (image.outcome == ImageOutcome::NothingToSend) return rows.isEmpty() ? 0 : 1;
    if (image.outcome != ImageOutcome::Ok) return std::nullopt;
    return image.length - (kFirstSectionIndex - 1);
}

bool passesCanLoop(int passRows, int passes) {
    return passes >= kMinLoopPasses && passRows >= kMinLoopRows && passRows <= kMaxLoopRows;
}

Sequence patternRows(const QVector<LampBytes>& pass, int tenths, int passes, int loopNumber,
                     const QLocale& locale) {
    const QString time = tenthsText(tenths, locale);
    Sequence copies;
    for (int p = 0; p < passes; ++p)
        for (const LampBytes& lamps : pass) copies.append(Step{time, QString(), lamps});
    if (loopNumber <= 0 || !passesCanLoop(pass.size(), passes)) return copies;

    Sequence looped;
    const QString marker = loopMarker(loopNumber, passes);
    for (const LampBytes& lamps : pass) looped.append(Step{time, marker, lamps});
    const auto loopCost = sequenceBytes(looped);
    const auto copiesCost = sequenceBytes(copies);
    if (loopCost && (!copiesCost || *loopCost < *copiesCost)) return looped;
    return copies;
}

}  // namespace vireo
