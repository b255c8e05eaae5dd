#include "module/upload_messages.h"

#include "platform/app_info.h"
#include "text/text_ids.h"

namespace vireo {

UserMessage uploadSuccessMessage(const LanguageTable& texts, int percent) {
    return {
        texts.entry(text::UploadDone) + QStringLiteral("\n\n") + memoryPercentText(texts, percent),
        kMakerWeb, PromptIcon::Information};
}

UserMessage echoErrorMessage(const LanguageTable& texts) {
    return {texts.entry(text::EchoWrong) + QStringLiteral("\n"),
            texts.entry(text::TransferErrorTitle), PromptIcon::Warning};
}

UserMessage noReplyMessage(const LanguageTable& texts) {
    return {texts.entry(text::ModuleSilent), texts.entry(text::TransferErrorTitle),
            PromptIcon::Warning};
}

}  // namespace vireo
