#include "ui/window_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QUndoStack>

#include "session/editing_session.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/standard_shortcuts.h"

namespace vireo {

namespace {

QAction* command(QObject* parent, const char* name, const QString& caption = QString()) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

WindowCommands::WindowCommands(EditingSession& session, const LanguageTable& texts, QObject* parent)
    : QObject(parent),
      newDocument(command(this, "Menu_1", QStringLiteral("Neu"))),
      open(command(this, "Menu_2", QStringLiteral("Öffnen…"))),
      save(command(this, "Menu_3", QStringLiteral("Speichern"))),
      saveAs(command(this, "Menu_4", QStringLiteral("Speichern unter…"))),
      properties(command(this, "Menu_5", QStringLiteral("Eigenschaften…"))),
      exportAnimation(command(this, "AnimationExportieren")),
      clearSettings(command(this, "Menu_7", QStringLiteral("Reg Löschen"))),
      earlierVersions(command(this, "FruehereVersionen")),
      exit(command(this, "Menu_9", QStringLiteral("Beenden"))),
      undo(command(this, "Undo")),
      redo(command(this, "Redo")),
      copy(command(this, "List_1_1", QStringLiteral("Kopieren"))),
      cut(command(this, "List_1_2", QStringLiteral("Ausschneiden"))),
      paste(command(this, "List_1_3", QStringLiteral("Einfügen"))),
      pasteAtEnd(command(this, "List_1_4", QStringLiteral("Einfügen an Tabellenende"))),
      deleteRows(command(this, "Zeilen_Loeschen")),
      append(command(this, "AppendStep")),
      changeRows(command(this, "ChangeRows")),
      insertRow(command(this, "InsertRow")),
      createLoop(command(this, "CreateLoop")),
      deleteLoop(command(this, "DeleteLoop")),
      playFromStart(command(this, "PlayFromStart")),
      playFromHere(command(this, "PlayFromHere")),
      lampsOff(command(this, "LampsOff")),
      showAreas(command(this, "Bereich", QStringLiteral("Bereiche anzeigen"))),
      compact(command(this, "Verdichten")),
      makeItFit(command(this, "PassendMachen")),
      mirror(command(this, "Spiegeln")),
      reverse(command(this, "Umkehren")),
      stretch(command(this, "Strecken")),
      goodbyeFromWelcome(command(this, "SchliessenAusOeffnen")),
      insertPattern(command(this, "MusterEinfuegen")),
      symmetric(command(this, "Symmetrisch")),
      memoryCheck(command(this, "MemoryCheck")),
      send(command(this, "SendData")),
      readModuleType(command(this, "M_Type", QStringLiteral("Modul-Typ auslesen"))),
      update(command(this, "Update", QStringLiteral("Update"))),
      updateHelp(command(this, "Hilfe", QStringLiteral("Help"))),
      configure(command(this, "Konfig", QStringLiteral("Konfiguration"))),
      about(command(this, "About", QStringLiteral("About"))),
      help(command(this, "Help", QStringLiteral("Hilfe starten"))),
      session_(session),
      texts_(texts) {
    // One port at a time: the menu shows the ports as radio items.
    auto* portGroup = new QActionGroup(this);
    portGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int i = 1; i <= 20; ++i) {
        ports[i] = new QAction(QStringLiteral("Com %1").arg(i), this);
        ports[i]->setObjectName(QStringLiteral("Port_%1").arg(i));
        ports[i]->setCheckable(true);
        portGroup->addAction(ports[i]);
    }
    newDocument->setShortcut(QKeySequence::New);
    open->setShortcut(QKeySequence::Open);
    save->setShortcut(QKeySequence::Save);
    saveAs->setShortcuts(standardShortcuts(QKeySequence::SaveAs));
    exit->setShortcuts(standardShortcuts(QKeySequence::Quit));
    help->setShortcut(QKeySequence::HelpContents);
    undo->setShortcuts(QKeySequence::Undo);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    copy->setShortcuts(QKeySequence::Copy);
    cut->setShortcuts(QKeySequence::Cut);
    paste->setShortcuts(QKeySequence::Paste);
    deleteRows->setShortcut(QKeySequence::Delete);

    EditingSession* s = &session;
    connect(undo, &QAction::triggered, s, &EditingSession::undo);
    connect(redo, &QAction::triggered, s, &EditingSession::redo);
    connect(copy, &QAction::triggered, s, &EditingSession::copyRows);
    connect(cut, &QAction::triggered, s, &EditingSession::cutRows);
    connect(paste, &QAction::triggered, s, &EditingSession::pasteRows);
    connect(pasteAtEnd, &QAction::triggered, s, &EditingSession::pasteRowsAtEnd);
    connect(deleteRows, &QAction::triggered, s, &EditingSession::deleteRows);
    connect(append, &QAction::triggered, s, &EditingSession::appendStep);
    connect(changeRows, &QAction::triggered, s, &EditingSession::changeRows);
    connect(insertRow, &QAction::triggered, s, &EditingSession::insertRow);
    connect(createLoop, &QAction::triggered, s, &EditingSession::createLoop);
    connect(deleteLoop, &QAction::triggered, s, &EditingSession::deleteLoop);
    connect(playFromStart, &QAction::triggered, s, &EditingSession::playFromStart);
    connect(playFromHere, &QAction::triggered, s, &EditingSession::playFromHere);
    connect(lampsOff, &QAction::triggered, s, &EditingSession::lampsOff);
    connect(showAreas, &QAction::triggered, s, &EditingSession::showAreas);
    connect(mirror, &QAction::triggered, s, &EditingSession::mirrorRows);
    connect(reverse, &QAction::triggered, s, &EditingSession::reverseRows);
    connect(stretch, &QAction::triggered, s, &EditingSession::stretchRows);
    connect(goodbyeFromWelcome, &QAction::triggered, s, &EditingSession::goodbyeFromWelcome);
    symmetric->setCheckable(true);
    symmetric->setChecked(session.symmetric());
    connect(symmetric, &QAction::toggled, s, &EditingSession::setSymmetric);
    connect(s, &EditingSession::symmetricChanged, symmetric, &QAction::setChecked);
    applyShowCaptions();

    // Whether a command can run follows everything it depends on.
    QUndoStack* stack = session.editor().undoStack();
    connect(stack, &QUndoStack::indexChanged, this, &WindowCommands::refresh);
    connect(stack, &QUndoStack::cleanChanged, this, &WindowCommands::refresh);
    connect(s, &EditingSession::rowsChanged, this, &WindowCommands::refresh);
    connect(&session.editor(), &DocumentEditor::documentReset, this, &WindowCommands::refresh);
    connect(s, &EditingSession::activeSequenceChanged, this, &WindowCommands::refresh);
    connect(s, &EditingSession::copyBufferChanged, this, &WindowCommands::refresh);
    refresh();
}

void WindowCommands::bind(QAbstractButton* button, QAction* action) {
    connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::enabledChanged, button, &QAbstractButton::setEnabled);
    button->setEnabled(action->isEnabled());
}

void WindowCommands::setExchangeRunning(bool running) {
    exchangeRunning_ = running;
    refresh();
}

void WindowCommands::refresh() {
    // The table's commands: with no rows there is no context menu, and nothing to act on.
    const TableMenuState table = session_.tableMenuState();
    copy->setEnabled(table.shown && table.copyEnabled);
    cut->setEnabled(table.shown && table.cutEnabled);
    paste->setEnabled(table.shown && table.pasteEnabled);
    pasteAtEnd->setEnabled(table.shown && table.pasteAtEndEnabled);
    // Undo and redo name the step they act on.
    const QUndoStack* stack = session_.editor().undoStack();
    const auto caption = [](const QString& verb, const QString& step) {
        return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
    };
    undo->setText(caption(texts_.entry(text::Undo), stack->undoText()));
    undo->setEnabled(stack->canUndo());
    redo->setText(caption(texts_.entry(text::Redo), stack->redoText()));
    redo->setEnabled(stack->canRedo());
    deleteRows->setText(texts_.entry(text::DeleteRows));
    // With no rows there is nothing to delete.
    deleteRows->setEnabled(table.shown);
    // The transforms and compacting act on rows; the goodbye sequence is made from welcome rows.
    const int active = session_.activeSequence();
    for (QAction* action : {compact, mirror, reverse, stretch})
        action->setEnabled(!session_.document().sequences[active].isEmpty());
    goodbyeFromWelcome->setEnabled(!session_.document().sequences[kWelcome].isEmpty());
    // Only an image that does not fit needs fitting.
    makeItFit->setEnabled(!session_.imageFits());
    // One exchange with the module at a time; the bootloader needs the port an exchange holds.
    for (QAction* action : {memoryCheck, send, readModuleType, update})
        action->setEnabled(!exchangeRunning_);
    for (int i = 1; i <= 20; ++i) ports[i]->setEnabled(!exchangeRunning_);
}

void WindowCommands::applyLanguage() {
    const LanguageTable& t = texts_;
    QAction* const fileItems[] = {newDocument, open, save, saveAs, properties};
    for (int i = 0; i < 5; ++i) fileItems[i]->setText(t.entry(text::FileMenuItemFirst + i));
    // "Beenden", the caption of the button that does the same
    exit->setText(t.entry(text::Exit));
    configure->setText(t.entry(text::Configuration));
    readModuleType->setText(t.entry(text::ReadModuleType));
    about->setText(t.entry(text::About));
    help->setText(t.entry(text::StartHelp));
    showAreas->setText(t.entry(text::ShowAreas));
    QAction* const tableItems[] = {copy, cut, paste, pasteAtEnd};
    for (int i = 0; i < 4; ++i) tableItems[i]->setText(t.entry(text::ListMenuItemFirst + i));
    applyShowCaptions();
    refresh();
}

void WindowCommands::applyShowCaptions() {
    const std::pair<QAction*, int> captions[] = {{earlierVersions, text::EarlierVersions},
                                                 {compact, text::CompactSequence},
                                                 {makeItFit, text::MakeItFit},
                                                 {mirror, text::MirrorRows},
                                                 {reverse, text::ReverseRows},
                                                 {stretch, text::StretchRows},
                                                 {goodbyeFromWelcome, text::GoodbyeFromWelcome},
                                                 {insertPattern, text::InsertPattern},
                                                 {symmetric, text::SymmetricEditing}};
    for (const auto& [action, entry] : captions) action->setText(texts_.entry(entry));
    symmetric->setToolTip(texts_.entry(text::ToolTipSymmetric));
}

}  // namespace vireo
