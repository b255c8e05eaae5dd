#pragma once

#include <QStringList>

#include "show/show_fit.h"
#include "text/language.h"

namespace vireo {

// What to tell the user of a fit before it is applied: its figures (the image's bytes now and
// after, the change in all and the largest), one line per changed or dropped step, or why
// there is nothing to apply. `offerDrops` says whether dropping steps is the choice left.
struct FitSummary {
    QStringList figures;
    QStringList changes;
    bool canApply = false;
    bool offerDrops = false;
};

FitSummary fitSummary(const ShowFit& fit, const LanguageTable& texts);

// Seconds as the window shows an on-time, in the user's locale ("0,5", "12").
QString fitSeconds(qint64 ms);

}  // namespace vireo
