#pragma once

#include <QKeySequence>
#include <QList>
#include <optional>

#include "sequence/copy_buffer.h"

namespace vireo {

// Every user command of the main window, by name. The order is that of the table below.
enum class CommandId {
    New,
    Open,
    Save,
    SaveAs,
    EarlierVersions,
    ExportAnimation,
    Properties,
    ClearSettings,
    Update,
    UpdateHelp,
    Exit,
    Undo,
    Redo,
    Copy,
    Cut,
    Paste,
    PasteAtEnd,
    DeleteRows,
    Compact,
    MakeItFit,
    Mirror,
    Reverse,
    Stretch,
    GoodbyeFromWelcome,
    InsertPattern,
    Symmetric,
    Append,
    ChangeRows,
    InsertRow,
    CreateLoop,
    DeleteLoop,
    PlayFromStart,
    PlayFromHere,
    LampsOff,
    ShowAreas,
    MemoryCheck,
    Send,
    ReadModuleType,
    About,
    Help,
    Configure,
};

// What the enable rules look at.
struct CommandState {
    TableMenuState table;
    bool canUndo = false;
    bool canRedo = false;
    bool activeHasRows = false;    // the edited sequence has rows
    bool welcomeHasRows = false;   // the welcome sequence has rows
    bool imageFits = true;         // the image fits the upload's memory
    bool exchangeRunning = false;  // an exchange with the module runs
};

// The menus a command can stand in. `Bar` is the menu bar itself ("Konfiguration").
enum class CommandMenu { None, File, ModuleUpdate, Edit, Bar, Info, Help };

// The keys a command is bound to.
enum class CommandKeys {
    None,
    New,
    Open,
    Save,
    SaveAs,
    Quit,
    HelpContents,
    Undo,
    Redo,
    Copy,
    Cut,
    Paste,
    Delete
};

struct CommandSpec {
    CommandId id;
    const char* objectName;  // of the action, as the control names of the menus have it
    int caption;             // language entry of its caption
    int toolTip;             // language entry of its tool tip; 0 for none
    CommandKeys keys;
    bool (*enabled)(const CommandState&);
    CommandMenu menu;  // where it stands in the menus, at `menuPosition` (ascending)
    int menuPosition;
    int tableMenuPosition;  // its place in the table's context menu; 0 when not there
    const char* button;     // the object name of the button or check box that runs it
    bool timelineKey;       // the timeline's keys run it too
    bool checkable;
    bool namesUndoStep;  // the caption names the undo step it acts on
};

// The table of every command, in the order of CommandId: how each is named, captioned, bound
// to keys, enabled and placed. The window's actions, menus and buttons are made from it.
const QList<CommandSpec>& commandTable();
const CommandSpec& commandSpec(CommandId id);
QList<QKeySequence> commandShortcuts(CommandKeys keys);
// The command the timeline runs for a key pressed there: one whose row says the timeline's keys
// run it and whose keys include `pressed` (without keypad or group modifiers).
std::optional<CommandId> timelineCommandFor(QKeyCombination pressed);

}  // namespace vireo
