#pragma once

#include <QMainWindow>
#include <functional>

#include "app/app_context.h"
#include "config/startup_settings.h"
#include "session/editing_session.h"
#include "session/module_controller.h"
#include "text/language.h"

namespace vireo {

class AnimationExportCommand;
class CarPanel;
class DataPanel;
class DocumentFile;
class FileCommands;
class FrmEigenschaften;
class FrmParameter;
class MainMenus;
class ModuleCommands;
class ProgramPanel;
class SequencePanel;
class TimelinePanel;
class WindowCommands;
class WindowRecovery;

// frmVireo: the main window. It builds the menus, places the panels over the session, switches
// the language and handles closing; the panels show the session and run the window's commands.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(const AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Form_Load: loads settings, language and a command-line file. The splash (when given)
    // closes once its minimum time is over, then `ready` runs; a failed load ends at once.
    void load(QWidget* splash, std::function<void()> ready = {});
    void applyLanguage();

    // What the window shows, for the dialogs and the tests.
    void lichtAus() { session_->lampsOff(); }
    const LanguageTable& texts() const { return texts_; }
    QString sprache() const { return sprache_; }
    bool developerMode() const { return developerMode_; }
    bool firstStart() const { return erststart_; }
    int splashMinimumMs() const { return developerMode_ ? 1000 : 3000; }
    const VehicleSettings& vehicleSettings() const { return session_->vehicleSettings(); }
    QString dateiPfad() const;  // the document's file; empty for a new document
    const DocumentEditor& editor() const { return session_->documentEditor(); }
    EditingSession& session() { return *session_; }
    // The crash recovery of this window: the offer at start shows it.
    WindowRecovery& recovery() const { return *recovery_; }
    QString fahrzeugAuswahl() const { return fahrzeugAuswahl_; }
    FrmParameter* frmParameter() const { return frmParameter_; }
    FrmEigenschaften* frmEigenschaften() const { return frmEigenschaften_; }
    ModuleController& module() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void placePanels();
    void connectCommands();
    void applyStartupSettings(const StartupSettings& settings);
    void chooseLanguage(const QString& name);
    // Fahrzeug_Auswahl from the options dialog's choices, in the current language; then the title.
    void updateVehicleChoiceText();
    void firstLayout();
    void registerFileType();

    AppContext context_;
    LanguageTable texts_;
    QString sprache_;
    bool developerMode_ = false;
    bool erststart_ = false;
    bool firstLayoutDone_ = false;
    bool languageProblemReported_ = false;
    QString loadProblem_;                            // why the command-line file was not opened
    QVector<SettingCorrection> settingCorrections_;  // told at the first layout
    QString fahrzeugAuswahl_;
    EditingSession* session_;  // a child of the window, as are the two below
    DocumentFile* file_;
    WindowRecovery* recovery_;
    WindowCommands* commands_ = nullptr;
    MainMenus* menus_ = nullptr;
    CarPanel* car_ = nullptr;
    SequencePanel* sequence_ = nullptr;
    DataPanel* data_ = nullptr;
    ProgramPanel* program_ = nullptr;
    TimelinePanel* timeline_ = nullptr;
    AnimationExportCommand* animationExport_ = nullptr;
    FileCommands* files_ = nullptr;
    ModuleCommands* module_ = nullptr;
    FrmParameter* frmParameter_ = nullptr;
    FrmEigenschaften* frmEigenschaften_ = nullptr;
};

}  // namespace vireo
