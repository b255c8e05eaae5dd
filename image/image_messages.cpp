#include "image/image_messages.h"

#include "platform/app_info.h"
#include "text/text_ids.h"

namespace vireo {

namespace {
// The sequence by the name of its option: "Begrüßungslicht" or "Verabschiedungslicht".
QString tableName(const LanguageTable& texts, int sequence) {
    return texts.entry(sequence == 0 ? text::WelcomeLight : text::GoodbyeLight);
}
}  // namespace

QString memoryPercentText(const LanguageTable& texts, int percent) {
    return texts.entry(text::MemoryRequiredLabel) + QStringLiteral(" ") + QString::number(percent) +
           QStringLiteral(" %");
}

UserMessage capacityMessage(const LanguageTable& texts) {
    return {texts.entry(text::ImageTooBig) + QStringLiteral("\n\n") +
                texts.entry(text::ImageTooBigHint),
            kMakerWeb, PromptIcon::Warning};
}

UserMessage overflowMessage(const LanguageTable& texts) {
    return {texts.entry(text::ValueOverflow), kAppTitle, PromptIcon::Warning};
}

UserMessage tooManyLoopsMessage(const LanguageTable& texts, int sequence, int maxLoops) {
    return {texts.entry(text::UploadTooManyLoops).arg(tableName(texts, sequence)).arg(maxLoops),
            kAppTitle, PromptIcon::Warning};
}

UserMessage tooManyRowsMessage(const LanguageTable& texts, int sequence, int maxRows) {
    return {texts.entry(text::UploadTooManySteps).arg(tableName(texts, sequence)).arg(maxRows),
            kAppTitle, PromptIcon::Warning};
}

UserMessage nothingToSendMessage(const LanguageTable& texts) {
    return {texts.entry(text::UploadNoData), kMakerWeb, PromptIcon::Information};
}

UserMessage memoryCheckMessage(const LanguageTable& texts, int percent) {
    return {memoryPercentText(texts, percent), kMakerWeb, PromptIcon::Information};
}

}  // namespace vireo
