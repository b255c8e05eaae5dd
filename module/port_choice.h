#pragma once

#include <QString>
#include <functional>

#include "module/module_port.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"
#include "text/language.h"

namespace vireo {

// What the main window shows of the port choice.
struct PortChoiceView {
    std::function<void(int portNumber)> checkPort;  // mark this item, unmark the others
    std::function<void(const QString& text)> setPortLabel;
    std::function<void()> closeConnectingNotice;
};

// The caption of labPort: " Port: n".
QString portLabelText(int portNumber);

// The user chose menu item `index`. In this order: check mark, close the port if open, set the
// number, trial open, store "Lampen_Port", set labPort, close. An open failure shows its message
// (and closes the connecting notice); the remaining steps still run, so the choice is stored
// and shown even when the port could not be opened. Ignored while an operation with the
// module runs, so a click during an upload cannot pull the port away from it.
void choosePort(int index, ModulePort& port, SettingsStore& settings, Prompter& prompter,
                const LanguageTable& language, const PortChoiceView& view);

}  // namespace vireo
