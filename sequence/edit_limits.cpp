#include "sequence/edit_limits.h"

namespace vireo {

// These refusals have no entry in the language files, so they carry built-in German texts like
// the program's other built-in captions.
QString limitText(EditLimit limit, const LanguageTable& language) {
    switch (limit) {
        case EditLimit::TableFull:
            return language.entry(216).arg(kMaxRows);
        case EditLimit::TooManyRows:
            return language.entry(217).arg(kMaxRows);
        case EditLimit::TooManyToCopy:
            return language.entry(218).arg(kCopyBufferCapacity);
        case EditLimit::TooManyLoops:
            return language.entry(219).arg(kMaxMarkedRuns);
        case EditLimit::TooManySplitRuns:
            return language.entry(220).arg(kMaxSecondRuns);
        case EditLimit::LoopBeyondRow255:
            return language.entry(221).arg(kMaxLoopRow);
        case EditLimit::NoLoopNumberLeft:
            return language.entry(222).arg(kMaxLoopNumber);
    }
    return QString();
}

void refuse(EditContext& context, EditLimit limit) {
    context.prompter.message(limitText(limit, context.language), kMakerWeb, PromptIcon::Warning);
}

}  // namespace vireo
