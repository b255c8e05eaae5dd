#include "sequence/edit_limits.h"

#include "text/text_ids.h"

namespace vireo {

// These refusals have no entry in the language files, so they carry built-in German texts like
// the program's other built-in captions.
QString limitText(EditLimit limit, const LanguageTable& language) {
    switch (limit) {
        case EditLimit::TableFull:
            return language.entry(text::LimitTableFull).arg(kMaxRows);
        case EditLimit::TooManyRows:
            return language.entry(text::LimitTooManyRows).arg(kMaxRows);
        case EditLimit::TooManyToCopy:
            return language.entry(text::LimitTooManyToCopy).arg(kCopyBufferCapacity);
        case EditLimit::TooManyLoops:
            return language.entry(text::LimitTooManyLoops).arg(kMaxMarkedRuns);
        case EditLimit::TooManySplitRuns:
            return language.entry(text::LimitTooManySplitRuns).arg(kMaxSecondRuns);
        case EditLimit::LoopBeyondRow255:
            return language.entry(text::LimitLoopBeyondRow).arg(kMaxLoopRow);
        case EditLimit::NoLoopNumberLeft:
            return language.entry(text::LimitNoLoopNumber).arg(kMaxLoopNumber);
    }
    return QString();
}

void refuse(EditContext& context, EditLimit limit) {
    context.prompter.message(limitText(limit, context.language), kMakerWeb, PromptIcon::Warning);
}

}  // namespace vireo
