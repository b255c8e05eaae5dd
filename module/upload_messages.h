#pragma once

#include <QString>

#include "platform/app_info.h"
#include "platform/prompter.h"
#include "text/language.h"

namespace vireo {

// A message box to show: text, title and icon. An empty text means nothing is to be shown.
struct UserMessage {
    QString text;
    QString title;
    PromptIcon icon = PromptIcon::None;

    bool isEmpty() const { return text.isEmpty(); }
    bool operator==(const UserMessage&) const = default;
};

// The image does not fit the module's memory (entries 104 and 105).
UserMessage capacityMessage(const LanguageTable& texts);
// A value does not fit its byte, such as a repeat count of 0 (entry 107).
UserMessage overflowMessage(const LanguageTable& texts);
// A table has more loops than the module can hold.
UserMessage tooManyLoopsMessage(const LanguageTable& texts, int sequence, int maxLoops);
// A table has more rows than a sequence may have.
UserMessage tooManyRowsMessage(const LanguageTable& texts, int sequence, int maxRows);
// Both tables are empty (or hold only one dark step): there is nothing to measure or send.
UserMessage nothingToSendMessage(const LanguageTable& texts);
// The memory check's report (entry 106 and the percentage).
UserMessage memoryCheckMessage(const LanguageTable& texts, int percent);
// The upload's success report (entry 110, a blank line, entry 106 and the percentage).
UserMessage uploadSuccessMessage(const LanguageTable& texts, int percent);
// The module echoed a frame wrongly six times running (entry 108, title entry 109).
UserMessage echoErrorMessage(const LanguageTable& texts);
// The module stayed silent six times running (entry 111, title entry 109).
UserMessage noReplyMessage(const LanguageTable& texts);

}  // namespace vireo
