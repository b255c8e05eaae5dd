#include "show/compaction_summary.h"

#include "sequence/document.h"
#include "sequence/edit_limits.h"
#include "text/text_ids.h"

namespace vireo {

QString noImageReason(ImageOutcome outcome, const LanguageTable& texts) {
    switch (outcome) {
        case ImageOutcome::TooManyLoops:
            return texts.entry(text::NoImageTooManyLoops).arg(kMaxLoopsPerSequence);
        case ImageOutcome::TooManyRows:
            return texts.entry(text::NoImageTooManyRows).arg(kMaxRows);
        default:
            return texts.entry(text::NoImageOverflow);
    }
}

CompactionSummary compactionSummary(const DocumentCompaction& plan, const LanguageTable& texts) {
    CompactionSummary summary;
    if (plan.checkFailed()) {
        summary.lines << texts.entry(text::CompactCheckFailed);
        return summary;
    }
    using Status = CompactionResult::Status;
    bool anyNothingWon = false;
    for (int t = kWelcome; t <= kGoodbye; ++t) {
        if (!plan.sequences[t]) continue;
        const CompactionResult& s = *plan.sequences[t];
        const QString name = texts.entry(t == kWelcome ? text::RemoteUnlock : text::RemoteLock);
        if (s.status == Status::Endless) {
            summary.lines << texts.entry(text::CompactEndless).arg(name);
        } else if (s.status == Status::CannotBuild) {
            summary.lines << texts.entry(text::CompactNoImage)
                                 .arg(name, noImageReason(*s.inputHasNoImage, texts));
        } else if (s.inputHasNoImage) {
            summary.lines << texts.entry(text::CompactMadeBuildable)
                                 .arg(name, noImageReason(*s.inputHasNoImage, texts))
                                 .arg(s.bytesAfter);
        } else {
            anyNothingWon = anyNothingWon || s.status == Status::NothingWon;
            summary.lines << texts.entry(text::CompactSequenceBytes)
                                 .arg(name)
                                 .arg(s.bytesBefore)
                                 .arg(s.bytesAfter);
        }
    }
    if (!plan.changed()) {
        // A sequence that stays for a reason of its own has said so.
        if (anyNothingWon) summary.lines << texts.entry(text::CompactNothingToWin);
        return summary;
    }
    summary.canApply = true;
    if (plan.imageBefore > 0)
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
