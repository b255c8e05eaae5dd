#include "ui/command_table.h"

#include "text/text_ids.h"
#include "ui/standard_shortcuts.h"

namespace vireo {

namespace {

// The rules that enable a command.
bool always(const CommandState&) {
    return true;
}
bool canUndo(const CommandState& s) {
    return s.canUndo;
}
bool canRedo(const CommandState& s) {
    return s.canRedo;
}
// With no rows there is no context menu, and nothing to act on.
bool canCopy(const CommandState& s) {
    return s.table.shown && s.table.copyEnabled;
}
bool canCut(const CommandState& s) {
    return s.table.shown && s.table.cutEnabled;
}
bool canPaste(const CommandState& s) {
    return s.table.shown && s.table.pasteEnabled;
}
bool canPasteAtEnd(const CommandState& s) {
    return s.table.shown && s.table.pasteAtEndEnabled;
}
bool hasRows(const CommandState& s) {
    return s.table.shown;
}
// The transforms and compacting act on rows; the goodbye sequence is made from welcome rows.
bool activeHasRows(const CommandState& s) {
    return s.activeHasRows;
}
bool welcomeHasRows(const CommandState& s) {
    return s.welcomeHasRows;
}
bool imageDoesNotFit(const CommandState& s) {
    return !s.imageFits;
}
// One exchange with the module at a time; the bootloader needs the port an exchange holds.
bool noExchange(const CommandState& s) {
    return !s.exchangeRunning;
}

using I = CommandId;
using K = CommandKeys;
using M = CommandMenu;
namespace t = text;

// clang-format off
const QList<CommandSpec> kCommands = {
    // id                    object name             caption                 tool tip                     keys           enabled          menu       pos  table  button                 timeline checkable undo step
    {I::New,                "Menu_1",               t::New,                 0,                           K::New,        always,          M::File,    10, 0,     nullptr,               false, false, false},
    {I::Open,               "Menu_2",               t::Open,                0,                           K::Open,       always,          M::File,    20, 0,     nullptr,               false, false, false},
    {I::Save,               "Menu_3",               t::Save,                0,                           K::Save,       always,          M::File,    30, 0,     nullptr,               false, false, false},
    {I::SaveAs,             "Menu_4",               t::SaveAs,              0,                           K::SaveAs,     always,          M::File,    40, 0,     nullptr,               false, false, false},
    {I::EarlierVersions,    "FruehereVersionen",    t::EarlierVersions,     0,                           K::None,       always,          M::File,    50, 0,     nullptr,               false, false, false},
    {I::ExportAnimation,    "AnimationExportieren", t::ExportAnimationMenu, 0,                           K::None,       always,          M::File,    60, 0,     nullptr,               false, false, false},
    {I::Properties,         "Menu_5",               t::Properties,          0,                           K::None,       always,          M::File,    80, 0,     nullptr,               false, false, false},
    {I::ClearSettings,      "Menu_7",               t::ClearSettings,       0,                           K::None,       always,          M::File,   100, 0,     nullptr,               false, false, false},
    {I::Update,             "Update",               t::UpdateItem,          0,                           K::None,       noExchange,      M::ModuleUpdate, 10, 0, nullptr,             false, false, false},
    {I::UpdateHelp,         "Hilfe",                t::UpdateHelpItem,      0,                           K::None,       always,          M::ModuleUpdate, 20, 0, nullptr,             false, false, false},
    {I::Exit,               "Menu_9",               t::Exit,                0,                           K::Quit,       always,          M::File,   140, 0,     "cmdExit",             false, false, false},
    {I::Undo,               "Undo",                 t::Undo,                0,                           K::Undo,       canUndo,         M::Edit,    10, 0,     nullptr,               false, false, true},
    {I::Redo,               "Redo",                 t::Redo,                0,                           K::Redo,       canRedo,         M::Edit,    20, 0,     nullptr,               false, false, true},
    {I::Copy,               "List_1_1",             t::Copy,                0,                           K::Copy,       canCopy,         M::Edit,    40, 10,    nullptr,               true,  false, false},
    {I::Cut,                "List_1_2",             t::Cut,                 0,                           K::Cut,        canCut,          M::Edit,    50, 20,    nullptr,               true,  false, false},
    {I::Paste,              "List_1_3",             t::Paste,               0,                           K::Paste,      canPaste,        M::Edit,    60, 30,    nullptr,               true,  false, false},
    {I::PasteAtEnd,         "List_1_4",             t::PasteAtEnd,          0,                           K::None,       canPasteAtEnd,   M::None,     0, 40,    nullptr,               false, false, false},
    {I::DeleteRows,         "Zeilen_Loeschen",      t::DeleteRows,          0,                           K::Delete,     hasRows,         M::Edit,    70, 0,     "cmdLöschen",          true,  false, false},
    {I::Compact,            "Verdichten",           t::CompactSequence,     0,                           K::None,       activeHasRows,   M::Edit,    90, 60,    nullptr,               false, false, false},
    {I::MakeItFit,          "PassendMachen",        t::MakeItFit,           0,                           K::None,       imageDoesNotFit, M::Edit,    95, 0,     nullptr,               false, false, false},
    {I::Mirror,             "Spiegeln",             t::MirrorRows,          0,                           K::None,       activeHasRows,   M::Edit,   100, 70,    nullptr,               false, false, false},
    {I::Reverse,            "Umkehren",             t::ReverseRows,         0,                           K::None,       activeHasRows,   M::Edit,   110, 80,    nullptr,               false, false, false},
    {I::Stretch,            "Strecken",             t::StretchRows,         0,                           K::None,       activeHasRows,   M::Edit,   120, 90,    nullptr,               false, false, false},
    {I::GoodbyeFromWelcome, "SchliessenAusOeffnen", t::GoodbyeFromWelcome,  0,                           K::None,       welcomeHasRows,  M::Edit,   130, 0,     nullptr,               false, false, false},
    {I::InsertPattern,      "MusterEinfuegen",      t::InsertPattern,       0,                           K::None,       always,          M::Edit,   140, 100,   nullptr,               false, false, false},
    {I::Symmetric,          "Symmetrisch",          t::SymmetricEditing,    t::ToolTipSymmetric,         K::None,       always,          M::Edit,   160, 0,     "chkSymmetrisch",      false, true,  false},
    {I::Append,             "AppendStep",           t::SaveAndNext,         t::ToolTipSaveAndNext,       K::None,       always,          M::None,     0, 0,     "cmdWeiter",           false, false, false},
    {I::ChangeRows,         "ChangeRows",           t::Change,              t::ToolTipChange,            K::None,       always,          M::None,     0, 0,     "cmdÄndern",           false, false, false},
    {I::InsertRow,          "InsertRow",            t::InsertRow,           0,                           K::None,       always,          M::None,     0, 0,     "cmdEinfügen",         false, false, false},
    {I::CreateLoop,         "CreateLoop",           t::CreateLoop,          t::ToolTipCreateLoop,        K::None,       always,          M::None,     0, 0,     "cmdSchleife",         false, false, false},
    {I::DeleteLoop,         "DeleteLoop",           t::DeleteLoop,          t::ToolTipDeleteLoop,        K::None,       always,          M::None,     0, 0,     "cmdSchleife_L",       false, false, false},
    {I::PlayFromStart,      "PlayFromStart",        t::Simulation,          t::ToolTipSimulation,        K::None,       always,          M::None,     0, 0,     "cmdSilulation",       false, false, false},
    {I::PlayFromHere,       "PlayFromHere",         t::SimulationOnward,    t::ToolTipSimulationOnward,  K::None,       always,          M::None,     0, 0,     "cmdSimWeiter",        false, false, false},
    {I::LampsOff,           "LampsOff",             t::AllLampsOff,         0,                           K::None,       always,          M::None,     0, 0,     "cmdLichtaus",         false, false, false},
    {I::ShowAreas,          "Bereich",              t::ShowAreas,           0,                           K::None,       always,          M::Help,    20, 0,     "cmdBereiche",         false, false, false},
    {I::MemoryCheck,        "MemoryCheck",          t::MemoryRequired,      0,                           K::None,       noExchange,      M::None,     0, 0,     "cmdSpeicherbedarf",   false, false, false},
    {I::Send,               "SendData",             t::SendData,            0,                           K::None,       noExchange,      M::None,     0, 0,     "cmdDaten",            false, false, false},
    {I::ReadModuleType,     "M_Type",               t::ReadModuleType,      0,                           K::None,       noExchange,      M::Info,    10, 0,     nullptr,               false, false, false},
    {I::About,              "About",                t::About,               0,                           K::None,       always,          M::Info,    20, 0,     nullptr,               false, false, false},
    {I::Help,               "Help",                 t::StartHelp,           0,                           K::HelpContents, always,        M::Help,    10, 0,     nullptr,               false, false, false},
    {I::Configure,          "Konfig",               t::Configuration,       0,                           K::None,       always,          M::Bar,     10, 0,     nullptr,               false, false, false},
};
// clang-format on

}  // namespace

const QList<CommandSpec>& commandTable() {
    return kCommands;
}

const CommandSpec& commandSpec(CommandId id) {
    return kCommands[static_cast<int>(id)];
}

QList<QKeySequence> commandShortcuts(CommandKeys keys) {
    switch (keys) {
        case K::None:
            return {};
        case K::New:
            return {QKeySequence(QKeySequence::New)};
        case K::Open:
            return {QKeySequence(QKeySequence::Open)};
        case K::Save:
            return {QKeySequence(QKeySequence::Save)};
        case K::SaveAs:
            return standardShortcuts(QKeySequence::SaveAs);
        case K::Quit:
            return standardShortcuts(QKeySequence::Quit);
        case K::HelpContents:
            return {QKeySequence(QKeySequence::HelpContents)};
        case K::Undo:
            return QKeySequence::keyBindings(QKeySequence::Undo);
        case K::Redo:
            return {QKeySequence(Qt::CTRL | Qt::Key_Y),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
        case K::Copy:
            return QKeySequence::keyBindings(QKeySequence::Copy);
        case K::Cut:
            return QKeySequence::keyBindings(QKeySequence::Cut);
        case K::Paste:
            return QKeySequence::keyBindings(QKeySequence::Paste);
        case K::Delete:
            return {QKeySequence(QKeySequence::Delete)};
    }
    return {};
}

std::optional<CommandId> timelineCommandFor(QKeyCombination pressed) {
    const QKeySequence key(QKeyCombination(
        pressed.keyboardModifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier),
        pressed.key()));
    for (const CommandSpec& spec : commandTable())
        if (spec.timelineKey && commandShortcuts(spec.keys).contains(key)) return spec.id;
    return std::nullopt;
}

}  // namespace vireo
