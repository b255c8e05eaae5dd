#include "timeline/cost_texts.h"

#include <QStringList>

#include "text/text_ids.h"

namespace vireo {

QString stepBytesText(int step, const RowBytes& bytes, const LanguageTable& texts) {
    QStringList parts{texts.entry(text::BytesControl)};
    if (bytes.time > 0) parts << texts.entry(text::BytesTime);
    if (bytes.corners == 1)
        parts << texts.entry(text::BytesOneCorner);
    else if (bytes.corners > 1)
        parts << texts.entry(text::BytesCorners).arg(bytes.corners);
    if (bytes.loop > 0) parts << texts.entry(text::BytesLoop);
    return texts.entry(text::StepBytes)
        .arg(step + 1)
        .arg(bytes.total())
        .arg(parts.join(QStringLiteral(", ")));
}

QString imageBreakdownText(const ImageCost& cost, const LanguageTable& texts) {
    const QStringList lines{
        texts.entry(text::MeterHeaderBytes).arg(cost.header),
        texts.entry(text::MeterSequenceBytes)
            .arg(texts.entry(text::RemoteUnlock))
            .arg(cost.sequenceBytes(kWelcome)),
        texts.entry(text::MeterSequenceBytes)
            .arg(texts.entry(text::RemoteLock))
            .arg(cost.sequenceBytes(kGoodbye)),
        texts.entry(text::MeterHoldBytes).arg(cost.holdBytes()),
        texts.entry(text::MeterFreeBytes).arg(cost.freeBytes()),
    };
    return lines.join(QLatin1Char('\n'));
}

}  // namespace vireo
