#pragma once

#include <QObject>
#include <array>

class QAbstractButton;
class QAction;

namespace vireo {

class EditingSession;
class LanguageTable;

// One action per user command. Its menu item, button, context-menu entry and shortcut all
// trigger this one action, and whether it can run is decided here (refresh). The actions carry
// the control names of their menu items as object names.
class WindowCommands : public QObject {
    Q_OBJECT
  public:
    WindowCommands(EditingSession& session, const LanguageTable& texts, QObject* parent);

    // A button runs its action when clicked, and is enabled when the action is.
    static void bind(QAbstractButton* button, QAction* action);

    // While an exchange with the module runs, the commands that would start another are off.
    void setExchangeRunning(bool running);
    // Captions in the current language (the buttons keep their own).
    void applyLanguage();

    // "Datei"
    QAction* const newDocument;
    QAction* const open;
    QAction* const save;
    QAction* const saveAs;
    QAction* const properties;
    QAction* const exportAnimation;
    QAction* const clearSettings;
    QAction* const earlierVersions;
    QAction* const exit;
    // The rows: the Edit menu, the table's context menu, the timeline and the table's buttons.
    QAction* const undo;
    QAction* const redo;
    QAction* const copy;
    QAction* const cut;
    QAction* const paste;
    QAction* const pasteAtEnd;
    QAction* const deleteRows;
    QAction* const append;
    QAction* const changeRows;
    QAction* const insertRow;
    QAction* const createLoop;
    QAction* const deleteLoop;
    QAction* const playFromStart;
    QAction* const playFromHere;
    QAction* const lampsOff;
    QAction* const showAreas;
    // Building a show: compact, the transforms of the selected rows, a pattern, symmetric lamps.
    QAction* const compact;
    QAction* const makeItFit;
    QAction* const mirror;
    QAction* const reverse;
    QAction* const stretch;
    QAction* const goodbyeFromWelcome;
    QAction* const insertPattern;
    QAction* const symmetric;
    // The module.
    QAction* const memoryCheck;
    QAction* const send;
    QAction* const readModuleType;
    QAction* const update;
    QAction* const updateHelp;
    std::array<QAction*, 21> ports{};  // Port_1..Port_20
    // The rest of the bar.
    QAction* const configure;
    QAction* const about;
    QAction* const help;

  private:
    void refresh();
    // The captions the German file and the built-in texts do not share.
    void applyShowCaptions();

    EditingSession& session_;
    const LanguageTable& texts_;
    bool exchangeRunning_ = false;
};

}  // namespace vireo
