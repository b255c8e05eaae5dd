#pragma once

#include "image/image_messages.h"
#include "platform/user_message.h"
#include "text/language.h"

namespace vireo {

// The upload's success report (entry 110, a blank line, entry 106 and the percentage).
UserMessage uploadSuccessMessage(const LanguageTable& texts, int percent);
// The module echoed a frame wrongly six times running (entry 108, title entry 109).
UserMessage echoErrorMessage(const LanguageTable& texts);
// The module stayed silent six times running (entry 111, title entry 109).
UserMessage noReplyMessage(const LanguageTable& texts);

}  // namespace vireo
