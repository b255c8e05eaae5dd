#include "ui/options_commands.h"

#include <QAction>

#include "config/startup_settings.h"
#include "session/editing_session.h"
#include "ui/dialogs/frm_eigenschaften.h"
#include "ui/dialogs/frm_parameter.h"
#include "ui/window_commands.h"

namespace vireo {

OptionsCommands::OptionsCommands(EditingSession& session, WindowCommands& commands,
                                 FrmParameter& options, FrmEigenschaften& properties,
                                 SettingsStore& settings, std::function<int(QDialog&)> execDialog,
                                 QObject* parent)
    : QObject(parent) {
    // The dialog shows the settings again from their `changed`.
    EditingSession* s = &session;
    connect(&options, &FrmParameter::boxTicked, s, &EditingSession::tickOption);
    connect(&options, &FrmParameter::typeClicked, s, &EditingSession::clickVehicleType);
    connect(&options, &FrmParameter::bodyClicked, s, &EditingSession::clickVehicleBody);
    connect(&options, &FrmParameter::yearClicked, s, &EditingSession::clickVehicleYear);
    connect(&options, &FrmParameter::holdChosen, s, &EditingSession::chooseHold);
    connect(&options, &FrmParameter::cancelled, s, &EditingSession::revertVehicle);
    connect(&options, &FrmParameter::confirmed, s, [s] {
        s->acceptVehicle();
        s->applyModel();
        s->lampsOff();
    });
    connect(commands.configure, &QAction::triggered, this, [s, &options, execDialog] {
        s->lampsOff();
        execDialog(options);
    });
    connect(commands.properties, &QAction::triggered, this, [s, &properties, execDialog] {
        execDialog(properties);
        s->lampsOff();
    });
    connect(commands.clearSettings, &QAction::triggered, this, [s, &settings] {
        clearStoredChoices(settings);
        s->lampsOff();
    });
}

}  // namespace vireo
