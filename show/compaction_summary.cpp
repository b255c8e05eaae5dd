#include "show/compaction_summary.h"

#include "text/text_ids.h"

namespace vireo {

CompactionSummary compactionSummary(const DocumentCompaction& plan, const LanguageTable& texts) {
    CompactionSummary summary;
    if (plan.checkFailed()) {
        summary.lines << texts.entry(text::CompactCheckFailed);
        return summary;
    }
    using Status = CompactionResult::Status;
    for (int t = kWelcome; t <= kGoodbye; ++t) {
        if (!plan.sequences[t]) continue;
        const CompactionResult& s = *plan.sequences[t];
        const QString name = texts.entry(t == kWelcome ? text::RemoteUnlock : text::RemoteLock);
        if (s.status == Status::Endless)
            summary.lines << texts.entry(text::CompactEndless).arg(name);
        else if (s.status == Status::CannotBuild)
            summary.lines << texts.entry(text::CompactNoImage).arg(name);
        else
            summary.lines << texts.entry(text::CompactSequenceBytes)
                                 .arg(name)
                                 .arg(s.bytesBefore)
                                 .arg(s.bytesAfter);
    }
    if (!plan.changed()) {
        summary.lines << texts.entry(text::CompactNothingToWin);
        return summary;
    }
    summary.canApply = true;
    summary.lines << texts.entry(text::CompactImageBytes)
                         .arg(plan.imageBefore)
                         .arg(plan.imageAfter)
                         .arg(plan.capacity);
    if (plan.excessAfter() > 0)
        summary.lines << texts.entry(text::CompactStillTooLarge).arg(plan.excessAfter());
    summary.lines << texts.entry(text::CompactQuestion);
    return summary;
}

}  // namespace vireo
