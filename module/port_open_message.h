#pragma once

#include <QString>
#include <optional>

#include "module/byte_link.h"
#include "platform/prompter.h"
#include "text/language.h"

namespace vireo {

struct PromptMessage {
    QString text;
    QString title;
    PromptIcon icon = PromptIcon::None;
};

// The message for a port that failed to open, shown by the port choice and the handshake:
// no such port (entries 91, number, 92; error icon), in use (91, number, 94, line break, 95;
// warning icon), no permission (names the device and the access the user lacks). Other
// failures show nothing.
std::optional<PromptMessage> portOpenFailureMessage(const LinkOpenStatus& status, int portNumber,
                                                    const LanguageTable& language);

}  // namespace vireo
