#include "module/port_choice.h"

#include "config/settings_keys.h"
#include "module/port_names.h"
#include "module/port_open_message.h"

namespace vireo {

QString portLabelText(int portNumber) {
    return QStringLiteral(" Port: ") + QString::number(portNumber);
}

void choosePort(int index, ModulePort& port, SettingsStore& settings, Prompter& prompter,
                const LanguageTable& language, const PortChoiceView& view) {
    if (port.operationRunning()) return;
    if (view.checkPort) view.checkPort(index);
    port.close();
    port.setNumber(index);
    const LinkOpenStatus status = port.open();
    if (!status.ok()) {
        if (view.closeConnectingNotice) view.closeConnectingNotice();
        if (const auto message = portOpenFailureMessage(status, port.number(), language))
            prompter.message(message->text, message->title, message->icon);
    }
    settings.write(settings_keys::kPort, QString::number(index));
    if (view.setPortLabel) view.setPortLabel(portLabelText(index));
    port.close();
}

}  // namespace vireo
