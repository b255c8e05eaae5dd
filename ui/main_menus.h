#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;

namespace vireo {

class LanguageTable;
class WindowCommands;

// The menu bar of the main window and the table's context menu, made of the window's command
// actions: "Datei" (with the examples, the languages, the module update and the recent files),
// "Bearbeiten", "Verbindung", "Konfiguration", "Info" and "Hilfe".
class MainMenus : public QObject {
    Q_OBJECT
  public:
    MainMenus(QMenuBar* bar, WindowCommands& commands, QObject* parent);

    // One check item per language file; choosing one reports its name.
    void setLanguages(const QStringList& names, const QString& current);
    // Titles in the current language.
    void applyLanguage(const LanguageTable& texts);
    // A menu of its own placed before "Verbindung" (the timeline's "View").
    void insertMenu(QMenu* menu);

    QMenu* file() const { return file_; }
    QMenu* examples() const { return examples_; }
    // The recent files stand before this separator.
    QAction* recentFilesEnd() const { return recentEnd_; }
    QMenu* moduleUpdate() const { return moduleUpdate_; }
    QMenu* languages() const { return languages_; }
    QMenu* connection() const { return connection_; }
    QMenu* table() const { return table_; }

  Q_SIGNALS:
    void languageChosen(const QString& name);

  private:
    // Every menu of the bar opens with Alt and a letter of its own, in every language.
    void applyMnemonics();

    QMenuBar* bar_;
    QMenu* file_ = nullptr;
    QMenu* examples_ = nullptr;
    QAction* recentEnd_ = nullptr;
    QMenu* languages_ = nullptr;
    QMenu* moduleUpdate_ = nullptr;
    QMenu* edit_ = nullptr;
    QMenu* connection_ = nullptr;
    QMenu* info_ = nullptr;
    QMenu* help_ = nullptr;
    QMenu* table_ = nullptr;
    QList<QAction*> languageItems_;
};

}  // namespace vireo
