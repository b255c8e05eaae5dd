#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QObject>
#include <QPointer>
#include <array>

#include "module/port_names.h"
#include "ui/command_table.h"

class QWidget;

namespace vireo {

class EditingSession;
class LanguageTable;

// One action per user command, made from the command table: its menu item, button,
// context-menu entry and shortcut all trigger this one action, and whether it can run is
// decided here (refresh) by the table's rule. The actions carry the control names of their menu
// items as object names.
class WindowCommands : public QObject {
    Q_OBJECT
  public:
    WindowCommands(EditingSession& session, const LanguageTable& texts, QObject* parent);

    QAction* action(CommandId id) const { return actions_[static_cast<int>(id)]; }
    // Whether something runs when the action is triggered (or toggled, for a check item).
    bool hasHandler(CommandId id) const;

    // The buttons and check boxes of `panel` the table names run their actions, are enabled
    // when they are, and carry their captions and tool tips.
    void bindButtons(QWidget* panel);

    // While an exchange with the module runs, the commands that would start another are off.
    void setExchangeRunning(bool running);
    // Captions and tool tips in the current language.
    void applyLanguage();

  private:
    std::array<QAction*, static_cast<int>(CommandId::Configure) + 1> actions_{};

  public:
    // "Datei"
    QAction* const newDocument = action(CommandId::New);
    QAction* const open = action(CommandId::Open);
    QAction* const save = action(CommandId::Save);
    QAction* const saveAs = action(CommandId::SaveAs);
    QAction* const properties = action(CommandId::Properties);
    QAction* const exportAnimation = action(CommandId::ExportAnimation);
    QAction* const clearSettings = action(CommandId::ClearSettings);
    QAction* const earlierVersions = action(CommandId::EarlierVersions);
    QAction* const exit = action(CommandId::Exit);
    // The rows: the Edit menu, the table's context menu, the timeline and the table's buttons.
    QAction* const undo = action(CommandId::Undo);
    QAction* const redo = action(CommandId::Redo);
    QAction* const copy = action(CommandId::Copy);
    QAction* const cut = action(CommandId::Cut);
    QAction* const paste = action(CommandId::Paste);
    QAction* const pasteAtEnd = action(CommandId::PasteAtEnd);
    QAction* const deleteRows = action(CommandId::DeleteRows);
    QAction* const append = action(CommandId::Append);
    QAction* const changeRows = action(CommandId::ChangeRows);
    QAction* const insertRow = action(CommandId::InsertRow);
    QAction* const createLoop = action(CommandId::CreateLoop);
    QAction* const deleteLoop = action(CommandId::DeleteLoop);
    QAction* const playFromStart = action(CommandId::PlayFromStart);
    QAction* const playFromHere = action(CommandId::PlayFromHere);
    QAction* const lampsOff = action(CommandId::LampsOff);
    QAction* const showAreas = action(CommandId::ShowAreas);
    // Building a show: compact, the transforms of the selected rows, a pattern, symmetric lamps.
    QAction* const compact = action(CommandId::Compact);
    QAction* const makeItFit = action(CommandId::MakeItFit);
    QAction* const mirror = action(CommandId::Mirror);
    QAction* const reverse = action(CommandId::Reverse);
    QAction* const stretch = action(CommandId::Stretch);
    QAction* const goodbyeFromWelcome = action(CommandId::GoodbyeFromWelcome);
    QAction* const insertPattern = action(CommandId::InsertPattern);
    QAction* const symmetric = action(CommandId::Symmetric);
    // The module.
    QAction* const memoryCheck = action(CommandId::MemoryCheck);
    QAction* const send = action(CommandId::Send);
    QAction* const readModuleType = action(CommandId::ReadModuleType);
    QAction* const update = action(CommandId::Update);
    QAction* const updateHelp = action(CommandId::UpdateHelp);
    std::array<QAction*, kLastPortNumber + 1> ports{};  // Port_1..Port_20
    // The rest of the bar.
    QAction* const configure = action(CommandId::Configure);
    QAction* const about = action(CommandId::About);
    QAction* const help = action(CommandId::Help);

  private:
    // Makes the actions of the table; runs before the members above are set.
    static std::array<QAction*, static_cast<int>(CommandId::Configure) + 1> makeActions(
        QObject* parent);
    void refresh();
    void captionButton(QAbstractButton* button, const CommandSpec& spec) const;

    EditingSession& session_;
    const LanguageTable& texts_;
    bool exchangeRunning_ = false;
    QList<QPair<QPointer<QAbstractButton>, const CommandSpec*>> buttons_;
};

}  // namespace vireo
