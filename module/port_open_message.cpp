#include "module/port_open_message.h"

#include <QFileInfo>

#include "module/port_names.h"

namespace vireo {

namespace {

// No language file has a text for this failure, which the original ports never met: it only
// happens where serial devices belong to a group the user must join.
QString permissionText(const QString& device, int portNumber, const LanguageTable& language) {
    const QFileInfo info(device);
    QString group = info.exists() ? info.group() : QString();
    if (group.isEmpty() || group == QLatin1String("root")) group = QStringLiteral("dialout");
    return language.entry(223).arg(device, portCaption(portNumber)) + QLatin1Char('\n') +
           language.entry(224).arg(group);
}

}  // namespace

std::optional<PromptMessage> portOpenFailureMessage(const LinkOpenStatus& status, int portNumber,
                                                    const LanguageTable& language) {
    const QString number = QString::number(portNumber);
    switch (status.result) {
        case LinkOpenResult::NoSuchPort:
            return PromptMessage{language.entry(91) + number + language.entry(92),
                                 language.entry(93), PromptIcon::Error};
        case LinkOpenResult::InUse:
            return PromptMessage{language.entry(91) + number + language.entry(94) +
                                     QLatin1Char('\n') + language.entry(95),
                                 language.entry(93), PromptIcon::Warning};
        case LinkOpenResult::PermissionDenied:
            return PromptMessage{permissionText(status.device, portNumber, language),
                                 language.entry(93), PromptIcon::Error};
        case LinkOpenResult::Ok:
        case LinkOpenResult::OtherError:
            break;
    }
    return std::nullopt;
}

}  // namespace vireo
