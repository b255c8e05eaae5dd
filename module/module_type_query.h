#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "module/handshake.h"
#include "module/identification_report.h"

namespace vireo {

// Everything "Modul-Typ auslesen" touches besides the port.
struct ModuleTypeQuery {
    ModuleIdentity& identity;
    bool developerMode = false;
    Prompter& prompter;
    const LanguageTable& language;
    QString appTitle;
    ModelNameLookup modelName;
    std::function<void()> showConnectingNotice;  // frmVerbindung, shown without waiting
    HandshakeView view;
    std::function<void()> applyEditionOptions;  // the options dialog's Modul_Typ_Freigeben
};

// M_Type_Click: shows the connecting notice, runs the handshake and, when a module answered,
// restricts the options to its edition and shows the identification report. Returns the new
// memory size, or nothing when no module answered or another operation holds the port.
std::optional<int> queryModuleType(ModulePort& port, const ModuleTypeQuery& query);

}  // namespace vireo
