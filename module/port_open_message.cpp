#include "module/port_open_message.h"

#include <QFileInfo>

#include "module/port_names.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

// No language file has a text for this failure, which the original ports never met: it only
// happens where serial devices belong to a group the user must join.
QString permissionText(const QString& device, int portNumber, const LanguageTable& language) {
    const QFileInfo info(device);
    QString group = info.exists() ? info.group() : QString();
    if (group.isEmpty() || group == QLatin1String("root")) group = QStringLiteral("dialout");
    return language.entry(text::PortNoPermission).arg(device, portCaption(portNumber)) +
           QLatin1Char('\n') + language.entry(text::PortPermissionHint).arg(group);
}

}  // namespace

std::optional<PromptMessage> portOpenFailureMessage(const LinkOpenStatus& status, int portNumber,
                                                    const LanguageTable& language) {
    const QString number = QString::number(portNumber);
    switch (status.result) {
        case LinkOpenResult::NoSuchPort:
            return PromptMessage{
                language.entry(text::PortPrefix) + number + language.entry(text::PortMissing),
                language.entry(text::PortErrorTitle), PromptIcon::Error};
        case LinkOpenResult::InUse:
            return PromptMessage{language.entry(text::PortPrefix) + number +
                                     language.entry(text::PortInUse) + QLatin1Char('\n') +
                                     language.entry(text::PortInUseHint),
                                 language.entry(text::PortErrorTitle), PromptIcon::Warning};
        case LinkOpenResult::PermissionDenied:
            return PromptMessage{permissionText(status.device, portNumber, language),
                                 language.entry(text::PortErrorTitle), PromptIcon::Error};
        case LinkOpenResult::Ok:
        case LinkOpenResult::OtherError:
            break;
    }
    return std::nullopt;
}

}  // namespace vireo
