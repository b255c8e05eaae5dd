#include "ui/first_start.h"

#include "platform/prompter.h"
#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

void runFirstStart(Prompter& ask, const LanguageTable& texts,
                   const std::function<void()>& chooseVehicle,
                   const std::function<void()>& registerFileType) {
    const QString title = texts.entry(text::FirstStartTitle);
    ask.message(texts.entry(text::FirstStartWelcome), title, PromptIcon::Information);
    chooseVehicle();
    ask.message(texts.entry(text::RegisteringExtension), title, PromptIcon::Information);
    registerFileType();
    ask.message(texts.entry(text::SetupDone), texts.entry(text::SetupDoneTitle),
                PromptIcon::Information);
}

}  // namespace vireo
