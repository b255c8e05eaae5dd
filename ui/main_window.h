#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "app/app_context.h"
#include "car/vehicle_catalogue.h"
#include "config/startup_settings.h"
#include "desktop/help_file.h"
#include "files/recent_files.h"
#include "sequence/document_editor.h"
#include "sequence/edit_outcome.h"
#include "session/editing_session.h"
#include "text/language.h"
#include "vehicle/vehicle_settings.h"

class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTimer;
class QTreeWidget;

namespace vireo {

class AnimationExportCommand;
class CarPanel;
class DataPanel;
class SequencePanel;
class FileMenu;
class FrmEigenschaften;
class FrmParameter;
class FrmVerbindung;
class InputHold;
class ModuleController;
class TimelinePanel;
class UrlOpener;

// frmVireo: the main window. It shows the document and the car, and hands every command to the
// core; the rules live there.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(const AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Form_Load: loads settings, language and a command-line file. The splash (when given)
    // closes once its minimum time is over, then `ready` runs; a failed load ends at once.
    void load(QWidget* splash, std::function<void()> ready = {});

    // Public procedures other windows call.
    void lichtAus();
    void modellauswahl();
    void language();
    void applyLanguage(bool startup);

    const LanguageTable& texts() const { return texts_; }
    QString sprache() const { return sprache_; }
    bool developerMode() const { return developerMode_; }
    bool firstStart() const { return erststart_; }
    bool loadFailed() const { return ladefehler_; }
    int splashMinimumMs() const { return developerMode_ ? 1000 : 3000; }
    QString modell() const { return vehicle_.model(); }
    QString optionen() const { return vehicle_.optionString(); }
    // The vehicle settings: applied model, options and hold times; the options dialog edits them.
    VehicleSettings& vehicleSettings() { return vehicle_; }
    // Datei_Pfad: the file of the document, held by the file menu; empty for a new document.
    QString dateiPfad() const;
    DocumentEditor& editor() { return editor_; }
    // The editing state under the window: selection, lamps, playback.
    EditingSession& session() { return *session_; }
    int activeSequence() const { return session_->activeSequence(); }
    const LampBytes& lampenZustand() const { return session_->lamps(); }
    const VehicleSetup& vehicleSetup() const { return session_->setup(); }
    QString fahrzeugAuswahl() const { return fahrzeugAuswahl_; }
    bool playbackRunning() const { return session_->playbackRunning(); }

    FrmParameter* frmParameter() const { return frmParameter_; }
    FrmEigenschaften* frmEigenschaften() const { return frmEigenschaften_; }

    // Opens the help of the current language (HTMLHelp_ShowTopic); the topic is not used.
    void htmlHelpShowTopic(const QString& topic = QString());

    // module
    QString modulTyp() const;     // Modul_Typ of the last valid identification
    QString modulVer() const;     // Modul_Ver
    int speichergroesse() const;  // Speichergroesse: 0 until identified or uploaded
    bool moduleExchangeRunning() const;
    bool modulePortOpen() const;
    // HTMLHelp_Bootloader: opens the bootloader's help; the topic is not used.
    void htmlHelpBootloader(const QString& topic = QString());

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A .kvs file dropped on the window opens as "Öffnen" would (main_window_file_lists.cpp).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    enum class CommandLineOutcome { None, Loaded, Damaged, Failed };

    void buildMenus();
    void buildFace();
    void applyStartupSettings(const StartupSettings& settings);
    CommandLineOutcome loadCommandLineFile();
    // Applies a model code and option string: the options take them in (Parameter_Anzeigen),
    // then the car (Modellauswahl) and the lamps (Licht_Aus).
    void applyVehicle(const QString& model, const QString& options);
    void formResize();
    // Gives every menu title of the bar an Alt letter of its own.
    void applyMenuMnemonics();
    bool queryUnload();
    void chooseLanguageItem(int index);
    void clearSettings();
    void firstStartSequence();
    void registerFileType();
    void konfigClick();
    void showProperties();
    void showAbout();
    // Opens a help document, or says which file is missing or could not be opened.
    void openHelp(const HelpDocument& help);

    // The car (main_window_car.cpp): the vehicle in the title, the automatic append's hold.
    void setUpCar();
    // The lamp timeline and the memory meter below the face (main_window_timeline.cpp).
    void setUpTimeline();

    // The table's commands in the menus (main_window_table.cpp): copy, cut, paste, undo, redo.
    void setUpTable();
    void showTableMenu(const QPoint& globalPos);
    // The enabled states of the table's actions (copy, cut, paste, paste at the end), shared by
    // the context menu, the Edit menu, their shortcuts and the timeline.
    void refreshTableActions();
    void updateUndoCaptions();

    // Wiring of the file menu (main_window_files.cpp) and of the module commands
    // (main_window_module.cpp), called once from the constructor.
    void setUpFiles();
    void setUpModule();
    // --- file menu: private members and functions (main_window_files.cpp)
    // Connects the file commands of the core to this window; a child object of the window.
    class FileCommands;
    FileCommands* files_ = nullptr;
    // A passing note in the status bar (a file written); it goes after a few seconds.
    void showStatusText(const QString& text);
    // Fahrzeug_Auswahl from the options dialog's choices, in the current language; then the title.
    void updateVehicleChoiceText();
    // Sets the window title: document name, six blanks and Fahrzeug_Auswahl.
    void updateTitle();
    // The file side of closing: asks entry 83 when the document has unsaved changes. False when
    // the save the user asked for was cancelled or failed: the window then stays open.
    bool askAboutChangesOnClose();
    FileMenu& fileMenu();
    // Recent files and examples in the file menu (main_window_file_lists.cpp).
    void setUpFileLists();
    void refreshRecentFiles();
    void refreshExamples();
    std::unique_ptr<RecentFiles> recent_;
    QList<QAction*> recentItems_;
    QAction* recentSeparator_ = nullptr;
    QMenu* examplesMenu_ = nullptr;
    // --- end file menu
    // --- module: private members and functions (main_window_module.cpp)
    // The module controller runs the exchanges with the module on a thread of its own; the
    // window forwards the commands and shows what it reports.
    ModuleController* module_ = nullptr;
    FrmVerbindung* connectingNotice_ = nullptr;
    bool closeAfterExchange_ = false;  // the window was closed while an exchange ran

    void portClick(int index);   // Port_Click
    void refreshPortCaptions();  // "Com n (device)" for every item
    // The commands that would start another exchange are off while one runs; a close the user
    // asked for meanwhile happens when it has ended.
    void onModuleExchangeRunning(bool running);
    int moduleCode() const;  // the applied model's code for image byte 5
    // True when an exchange with the module runs: the close waits for its end, and the status
    // line says so.
    bool deferCloseForModule();
    // --- end module

    AppContext context_;
    LanguageTable texts_;
    QString sprache_;
    bool developerMode_ = false;
    bool erststart_ = false;
    bool ladefehler_ = false;
    bool firstLayoutDone_ = false;
    bool languageProblemReported_ = false;
    QString kommandozeile_;
    QString commandLineProblem_;                     // why the command-line file could not be read
    QVector<SettingCorrection> settingCorrections_;  // told at the first layout
    QString fahrzeugAuswahl_;
    int port_ = 1;
    EditingSession* session_;  // a child of the window
    DocumentEditor& editor_;
    VehicleSettings& vehicle_;
    std::unique_ptr<InputHold> appendHold_;  // input held while an automatic append waits
    std::unique_ptr<UrlOpener> ownOpener_;
    UrlOpener* opener_ = nullptr;
    FrmParameter* frmParameter_ = nullptr;
    FrmEigenschaften* frmEigenschaften_ = nullptr;

    // Menus
    QMenu* menuDatei_ = nullptr;
    std::array<QAction*, 10> menuItems_{};  // Menu_1..Menu_9
    QAction* exportAnimation_ = nullptr;  // "Animation exportieren…" (animation_export_command.cpp)
    AnimationExportCommand* animationExport_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    QList<QAction*> auswahl_;
    QAction* update_ = nullptr;
    QAction* hilfe_ = nullptr;
    QMenu* menuConnect_ = nullptr;
    std::array<QAction*, 21> portItems_{};  // Port_1..Port_20
    QAction* konfig_ = nullptr;
    QMenu* menuInfo_ = nullptr;
    QAction* mType_ = nullptr;
    QAction* about_ = nullptr;
    QMenu* menuHelp_ = nullptr;
    QAction* help_ = nullptr;
    QAction* bereich_ = nullptr;
    QMenu* tabelle_ = nullptr;
    std::array<QAction*, 5> listMenu_{};  // List_1_1..List_1_4

    // Car
    CarPanel* car_ = nullptr;

    // The table side
    SequencePanel* sequence_ = nullptr;

    // The window's own frame: " Programm" (Frame6)
    QGroupBox* programFrame_ = nullptr;
    DataPanel* data_ = nullptr;  // Frame5
    QPushButton* cmdExit_ = nullptr;
    QPushButton* cmdBereiche_ = nullptr;
    QMenu* menuEdit_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* deleteRows_ = nullptr;

    TimelinePanel* timeline_ = nullptr;
};

}  // namespace vireo
