#include "module/upload_messages.h"

namespace vireo {

namespace {
QString percentText(const LanguageTable& texts, int percent) {
    return texts.entry(106) + QStringLiteral(" ") + QString::number(percent) + QStringLiteral(" %");
}

// The sequence by the name of its option: "Begrüßungslicht" or "Verabschiedungslicht".
QString tableName(const LanguageTable& texts, int sequence) {
    return texts.entry(sequence == 0 ? 200 : 201);
}
}  // namespace

UserMessage capacityMessage(const LanguageTable& texts) {
    return {texts.entry(104) + QStringLiteral("\n\n") + texts.entry(105), kMakerWeb,
            PromptIcon::Warning};
}

UserMessage overflowMessage(const LanguageTable& texts) {
    return {texts.entry(107), kAppTitle, PromptIcon::Warning};
}

UserMessage tooManyLoopsMessage(const LanguageTable& texts, int sequence, int maxLoops) {
    return {texts.entry(225).arg(tableName(texts, sequence)).arg(maxLoops), kAppTitle,
            PromptIcon::Warning};
}

UserMessage tooManyRowsMessage(const LanguageTable& texts, int sequence, int maxRows) {
    return {texts.entry(226).arg(tableName(texts, sequence)).arg(maxRows), kAppTitle,
            PromptIcon::Warning};
}

UserMessage nothingToSendMessage(const LanguageTable& texts) {
    return {texts.entry(227), kMakerWeb, PromptIcon::Information};
}

UserMessage memoryCheckMessage(const LanguageTable& texts, int percent) {
    return {percentText(texts, percent), kMakerWeb, PromptIcon::Information};
}

UserMessage uploadSuccessMessage(const LanguageTable& texts, int percent) {
    return {texts.entry(110) + QStringLiteral("\n\n") + percentText(texts, percent), kMakerWeb,
            PromptIcon::Information};
}

UserMessage echoErrorMessage(const LanguageTable& texts) {
    return {texts.entry(108) + QStringLiteral("\n"), texts.entry(109), PromptIcon::Warning};
}

UserMessage noReplyMessage(const LanguageTable& texts) {
    return {texts.entry(111), texts.entry(109), PromptIcon::Warning};
}

}  // namespace vireo
