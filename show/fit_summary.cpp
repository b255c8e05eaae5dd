#include "show/fit_summary.h"

#include "sequence/on_time.h"
#include "text/count_text.h"
#include "text/text_ids.h"

namespace vireo {

QString fitSeconds(qint64 ms) {
    return OnTime::ofMs(ms).text();
}

FitSummary fitSummary(const ShowFit& fit, const LanguageTable& texts) {
    FitSummary summary;
    const auto bytes = [&](int n) { return countText(texts, n, text::OneByte, text::Bytes); };
    using Status = ShowFit::Status;
    switch (fit.status) {
        case Status::AlreadyFits:
            summary.figures << texts.entry(text::FitAlreadyFits);
            return summary;
        case Status::NeedsDrops:
            summary.figures
                << texts.entry(text::FitStepsAloneNeed).arg(fit.stepsAloneNeed).arg(fit.capacity);
            summary.offerDrops = true;
            return summary;
        case Status::CannotFit:
            summary.figures << texts.entry(text::FitNotEvenDropping);
            return summary;
        case Status::CheckFailed:
            summary.figures << texts.entry(text::FitCheckFailed);
            return summary;
        case Status::Fitted:
            break;
    }
    summary.canApply = true;
    summary.figures << texts.entry(text::FitBytes)
                           .arg(bytes(fit.bytesBefore), bytes(fit.bytesAfter), bytes(fit.capacity));
    summary.figures << texts.entry(text::FitChangeSeconds)
                           .arg(fitSeconds(fit.changeMs), fitSeconds(fit.largestChangeMs));
    for (const FitChange& c : fit.changes) {
        const QString name =
            texts.entry(c.sequence == kWelcome ? text::RemoteUnlock : text::RemoteLock);
        if (c.dropped)
            summary.changes
                << texts.entry(text::FitDroppedStep).arg(name).arg(c.step).arg(fitSeconds(c.oldMs));
        else
            summary.changes << texts.entry(text::FitChangedStep)
                                   .arg(name)
                                   .arg(c.step)
                                   .arg(fitSeconds(c.oldMs), fitSeconds(c.newMs));
    }
    return summary;
}

}  // namespace vireo
