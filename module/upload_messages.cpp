#include "module/upload_messages.h"

namespace vireo {

namespace {
QString percentText(const LanguageTable& texts, int percent) {
    return texts.entry(106) + QStringLiteral(" ") + QString::number(percent) + QStringLiteral(" %");
}

QString tableName(int sequence) {
    return sequence == 0 ? QStringLiteral("Begrüßungslicht")
                         : QStringLiteral("Verabschiedungslicht");
}
}  // namespace

UserMessage capacityMessage(const LanguageTable& texts) {
    return {texts.entry(104) + QStringLiteral("\n\n") + texts.entry(105), kMakerWeb,
            PromptIcon::Warning};
}

UserMessage overflowMessage(const LanguageTable& texts) {
    return {texts.entry(107), kAppTitle, PromptIcon::Warning};
}

UserMessage tooManyLoopsMessage(int sequence, int maxLoops) {
    return {QStringLiteral("Die Sequenz \"%1\" hat mehr als %2 Schleifen. Die Daten werden "
                           "nicht gesendet.")
                .arg(tableName(sequence))
                .arg(maxLoops),
            kAppTitle, PromptIcon::Warning};
}

UserMessage tooManyRowsMessage(int sequence, int maxRows) {
    return {QStringLiteral("Die Sequenz \"%1\" hat mehr als %2 Schritte. Die Daten werden "
                           "nicht gesendet.")
                .arg(tableName(sequence))
                .arg(maxRows),
            kAppTitle, PromptIcon::Warning};
}

UserMessage nothingToSendMessage() {
    return {QStringLiteral("Die Sequenzen enthalten keine Daten."), kMakerWeb,
            PromptIcon::Information};
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
