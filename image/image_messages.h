#pragma once

#include "platform/user_message.h"
#include "text/language.h"

namespace vireo {

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
// How much of the memory an image fills: entry 106 and the percentage.
QString memoryPercentText(const LanguageTable& texts, int percent);
// The memory check's report.
UserMessage memoryCheckMessage(const LanguageTable& texts, int percent);

}  // namespace vireo
