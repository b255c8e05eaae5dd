#pragma once

#include <QStringList>

#include "show/document_compaction.h"
#include "text/language.h"

namespace vireo {

// What to tell the user before compacting: a line per sequence with its bytes before and after
// (or why it stays), the whole image's figures and the question; or that nothing can be won,
// or that the result failed its check. `canApply` says whether there is anything to apply.
struct CompactionSummary {
    QStringList lines;
    bool canApply = false;
};

CompactionSummary compactionSummary(const DocumentCompaction& plan, const LanguageTable& texts);

// Why a sequence has no memory image, in a few words ("more than 20 loops").
QString noImageReason(ImageOutcome outcome, const LanguageTable& texts);

}  // namespace vireo
