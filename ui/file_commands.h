#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <memory>

#include "app/app_context.h"
#include "session/file_menu.h"
#include "session/file_menu_host.h"

class QAction;
class QMainWindow;

namespace vireo {

class EditingSession;
class LanguageTable;
class MainMenus;
class RecentFiles;
class WindowCommands;
class WindowRecovery;

// The file commands in the window: New, Open, Save and Save as run the file menu of the
// session; the recent files and the examples fill their menus; dropped files open. The rules
// live in the file menu and files/; this class fills menus and hands the user's choice on. It
// also keeps the window's recovery: every change journaled under `dataFolder` (the user's data
// folder when empty), the earlier
// versions kept before each save, and "Frühere Versionen…".
class FileCommands : public QObject, public FileMenuHost {
    Q_OBJECT
  public:
    struct Window {
        QMainWindow* widget;                         // takes the title and the passing notes
        std::function<QString()> vehicleChoiceText;  // Fahrzeug_Auswahl
        std::function<void(const QString&)> showPosition;
    };
    // Takes the settings, the prompter, the clock and the data folder from `context`.
    FileCommands(const AppContext& context, EditingSession& session, const LanguageTable& texts,
                 WindowCommands& commands, MainMenus& menus, Window window);
    ~FileCommands() override;

    FileMenu& menu() { return menu_; }
    // The examples' titles follow the language.
    void refreshExamples();

    // FileMenuHost
    void lampsOff() override;
    void applyLoadedVehicle(const QString& model, const QString& options) override;
    QString vehicleChoiceText() const override { return window_.vehicleChoiceText(); }
    void setWindowTitle(const QString& title) override;
    void setPositionLabel(const QString& text) override { window_.showPosition(text); }
    void showNote(const QString& text) override;

  protected:
    // Files dropped on the window open as "Öffnen" would; any file is taken, so that a refused
    // one is answered with a message rather than ignored.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refreshRecentFiles();

    EditingSession& session_;
    const LanguageTable& texts_;
    MainMenus& menus_;
    Window window_;
    FileMenu menu_;
    std::unique_ptr<RecentFiles> recent_;
    WindowRecovery* recovery_;
    QList<QAction*> recentItems_;
};

}  // namespace vireo
