#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMainWindow;

namespace vireo {

class DocumentFile;
class EditingSession;
class LanguageTable;
class MainMenus;
class WindowCommands;
class WindowRecovery;

// The file commands in the window: New, Open, Save and Save as run the document's file; the
// recent files and the examples fill their menus; dropped files open; "Frühere Versionen…"
// shows the window's recovery. The rules live in the document's file, the recovery and files/;
// this class fills menus, hands the user's choice on, and shows in the window what the file
// and the recovery report: the title, the position label of a new document and the notes.
class FileCommands : public QObject {
    Q_OBJECT
  public:
    struct Window {
        QMainWindow* widget;                         // takes the title and the passing notes
        std::function<QString()> vehicleChoiceText;  // Fahrzeug_Auswahl
        std::function<void(const QString&)> showPosition;
    };
    FileCommands(DocumentFile& file, WindowRecovery& recovery, EditingSession& session,
                 const LanguageTable& texts, WindowCommands& commands, MainMenus& menus,
                 Window window);

    // The examples' titles follow the language.
    void refreshExamples();
    // Sets the window title anew, for example after another vehicle was chosen.
    void refreshTitle();

  protected:
    // Files dropped on the window open as "Öffnen" would; any file is taken, so that a refused
    // one is answered with a message rather than ignored.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refreshRecentFiles();

    DocumentFile& file_;
    WindowRecovery& recovery_;
    const LanguageTable& texts_;
    MainMenus& menus_;
    Window window_;
    QList<QAction*> recentItems_;
};

}  // namespace vireo
