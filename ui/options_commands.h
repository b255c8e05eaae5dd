#pragma once

#include <QObject>
#include <functional>

class QDialog;

namespace vireo {

class EditingSession;
class FrmEigenschaften;
class FrmParameter;
class SettingsStore;
class WindowCommands;

// The commands that change the vehicle and the program's choices: "Konfiguration" opens the
// options dialog, whose every click goes to the session (where the option rules run) and whose
// OK applies the model; "Eigenschaften…" opens the properties; "Reg Löschen" forgets the stored
// choices. Each ends with the lamps switched off.
class OptionsCommands : public QObject {
    Q_OBJECT
  public:
    OptionsCommands(EditingSession& session, WindowCommands& commands, FrmParameter& options,
                    FrmEigenschaften& properties, SettingsStore& settings,
                    std::function<int(QDialog&)> execDialog, QObject* parent);
};

}  // namespace vireo
