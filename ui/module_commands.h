#pragma once

#include <QObject>

namespace vireo {

class CarPanel;
class DataPanel;
class EditingSession;
class FrmVerbindung;
class LanguageTable;
class MainMenus;
class ModuleController;
class Prompter;
class SettingsStore;
struct StartupSettings;
class WindowCommands;

// The module commands in the window: the port menu, "Modul-Typ auslesen", the firmware update
// hand-off, the upload and the memory check. The module controller (session/) runs them on the
// line's thread and reports what to show; this class forwards the commands and shows the reports.
class ModuleCommands : public QObject {
    Q_OBJECT
  public:
    ModuleCommands(SettingsStore& settings, Prompter& prompter, const LanguageTable& texts,
                   EditingSession& session, WindowCommands& commands, MainMenus& menus,
                   CarPanel& car, DataPanel& data, QWidget* window);

    ModuleController& controller() const { return *module_; }
    // The stored port: the one the commands use, its check mark and its label.
    void applyStartupSettings(const StartupSettings& settings);
    void setDeveloperMode(bool on) { developerMode_ = on; }
    // True when an exchange with the module runs: it runs to its end (an upload sends its end
    // frame, so the module is not left waiting), the status line says so, and closeRequested
    // follows when it has ended.
    bool deferClose();

  Q_SIGNALS:
    void closeRequested();

  private:
    void choosePort(int portNumber);
    // "Com n (device)" for every item, so the user can tell which adapter is which.
    void refreshPortCaptions();
    void onExchangeRunning(bool running);

    Prompter& prompter_;
    const LanguageTable& texts_;
    WindowCommands& commands_;
    CarPanel& car_;
    ModuleController* module_;
    FrmVerbindung* connectingNotice_;
    int port_ = 1;
    bool developerMode_ = false;
    bool closeAfterExchange_ = false;  // the window was closed while an exchange ran
};

}  // namespace vireo
