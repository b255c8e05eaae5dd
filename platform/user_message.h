#pragma once

#include <QString>

#include "platform/prompter.h"

namespace vireo {

// A message box to show: text, title and icon. An empty text means nothing is to be shown.
struct UserMessage {
    QString text;
    QString title;
    PromptIcon icon = PromptIcon::None;

    bool isEmpty() const { return text.isEmpty(); }
    bool operator==(const UserMessage&) const = default;
};

}  // namespace vireo
