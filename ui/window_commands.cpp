#include "ui/window_commands.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QMetaMethod>
#include <QPointer>
#include <QUndoStack>
#include <QWidget>

#include "session/editing_session.h"
#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

namespace {

constexpr int kCommandCount = static_cast<int>(CommandId::Configure) + 1;

// An action that knows whether anything runs when it is triggered (or toggled).
class CommandAction : public QAction {
  public:
    using QAction::QAction;
    bool handled() const { return handled_; }

  protected:
    void connectNotify(const QMetaMethod& signal) override {
        if (signal == QMetaMethod::fromSignal(&QAction::triggered) ||
            signal == QMetaMethod::fromSignal(&QAction::toggled))
            handled_ = true;
        QAction::connectNotify(signal);
    }

  private:
    bool handled_ = false;
};

}  // namespace

std::array<QAction*, kCommandCount> WindowCommands::makeActions(QObject* parent) {
    std::array<QAction*, kCommandCount> actions{};
    for (const CommandSpec& spec : commandTable()) {
        auto* action = new CommandAction(parent);
        action->setObjectName(QString::fromLatin1(spec.objectName));
        action->setShortcuts(commandShortcuts(spec.keys));
        action->setCheckable(spec.checkable);
        actions[static_cast<int>(spec.id)] = action;
    }
    return actions;
}

WindowCommands::WindowCommands(EditingSession& session, const LanguageTable& texts, QObject* parent)
    : QObject(parent), actions_(makeActions(this)), session_(session), texts_(texts) {
    // One port at a time: the menu shows the ports as radio items.
    auto* portGroup = new QActionGroup(this);
    portGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int i = 1; i <= kLastPortNumber; ++i) {
        ports[i] = new QAction(portCaption(i), this);
        ports[i]->setObjectName(QStringLiteral("Port_%1").arg(i));
        ports[i]->setCheckable(true);
        portGroup->addAction(ports[i]);
    }

    // The commands the session runs itself.
    EditingSession* s = &session;
    const std::pair<CommandId, void (EditingSession::*)()> sessionCommands[] = {
        {CommandId::Undo, &EditingSession::undo},
        {CommandId::Redo, &EditingSession::redo},
        {CommandId::Copy, &EditingSession::copyRows},
        {CommandId::Cut, &EditingSession::cutRows},
        {CommandId::Paste, &EditingSession::pasteRows},
        {CommandId::PasteAtEnd, &EditingSession::pasteRowsAtEnd},
        {CommandId::DeleteRows, &EditingSession::deleteRows},
        {CommandId::Append, &EditingSession::appendStep},
        {CommandId::ChangeRows, &EditingSession::changeRows},
        {CommandId::InsertRow, &EditingSession::insertRow},
        {CommandId::CreateLoop, &EditingSession::createLoop},
        {CommandId::DeleteLoop, &EditingSession::deleteLoop},
        {CommandId::PlayFromStart, &EditingSession::playFromStart},
        {CommandId::PlayFromHere, &EditingSession::playFromHere},
        {CommandId::LampsOff, &EditingSession::lampsOff},
        {CommandId::ShowAreas, &EditingSession::showAreas},
        {CommandId::Mirror, &EditingSession::mirrorRows},
        {CommandId::Reverse, &EditingSession::reverseRows},
        {CommandId::Stretch, &EditingSession::stretchRows},
        {CommandId::GoodbyeFromWelcome, &EditingSession::goodbyeFromWelcome}};
    for (const auto& [id, run] : sessionCommands)
        connect(action(id), &QAction::triggered, s, [s, run = run] { (s->*run)(); });
    symmetric->setChecked(session.symmetric());
    connect(symmetric, &QAction::toggled, s, &EditingSession::setSymmetric);
    connect(s, &EditingSession::symmetricChanged, symmetric, &QAction::setChecked);
    applyLanguage();

    // Whether a command can run follows everything it depends on.
    const QUndoStack* stack = session.documentEditor().undoStack();
    connect(stack, &QUndoStack::indexChanged, this, &WindowCommands::refresh);
    connect(stack, &QUndoStack::cleanChanged, this, &WindowCommands::refresh);
    connect(s, &EditingSession::rowsChanged, this, &WindowCommands::refresh);
    connect(&session.documentEditor(), &DocumentEditor::documentReset, this,
            &WindowCommands::refresh);
    connect(s, &EditingSession::activeSequenceChanged, this, &WindowCommands::refresh);
    connect(s, &EditingSession::copyBufferChanged, this, &WindowCommands::refresh);
    refresh();
}

bool WindowCommands::hasHandler(CommandId id) const {
    return static_cast<const CommandAction*>(action(id))->handled();
}

void WindowCommands::bindButtons(QWidget* panel) {
    for (const CommandSpec& spec : commandTable()) {
        if (!spec.button) continue;
        auto* button = panel->findChild<QAbstractButton*>(QString::fromUtf8(spec.button));
        if (!button) continue;
        QAction* action = this->action(spec.id);
        button->setProperty("command", QString::fromLatin1(spec.objectName));
        const auto show = [button, action, checkable = spec.checkable] {
            button->setEnabled(action->isEnabled());
            if (checkable) button->setChecked(action->isChecked());
        };
        if (spec.checkable)
            connect(button, &QAbstractButton::toggled, action, &QAction::setChecked);
        else
            connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button, show);
        show();
        buttons_.append({button, &spec});
        captionButton(button, spec);
    }
}

void WindowCommands::captionButton(QAbstractButton* button, const CommandSpec& spec) const {
    button->setText(texts_.entry(spec.caption));
    if (spec.toolTip) button->setToolTip(texts_.entry(spec.toolTip));
}

void WindowCommands::setExchangeRunning(bool running) {
    exchangeRunning_ = running;
    refresh();
}

void WindowCommands::refresh() {
    const QUndoStack* stack = session_.documentEditor().undoStack();
    const int active = session_.activeSequence();
    CommandState state;
    state.table = session_.tableMenuState();
    state.canUndo = stack->canUndo();
    state.canRedo = stack->canRedo();
    state.activeHasRows = !session_.document().sequences[active].isEmpty();
    state.imageFits = session_.imageFits();
    state.welcomeHasRows = !session_.document().sequences[kWelcome].isEmpty();
    state.exchangeRunning = exchangeRunning_;
    for (const CommandSpec& spec : commandTable()) {
        QAction* a = action(spec.id);
        a->setEnabled(spec.enabled(state));
        if (!spec.namesUndoStep) continue;
        // Undo and redo name the step they act on.
        const QString step = spec.id == CommandId::Undo ? stack->undoText() : stack->redoText();
        const QString verb = texts_.entry(spec.caption);
        a->setText(step.isEmpty() ? verb : verb + QLatin1Char(' ') + step);
    }
    for (int i = 1; i <= kLastPortNumber; ++i) ports[i]->setEnabled(!exchangeRunning_);
}

void WindowCommands::applyLanguage() {
    for (const CommandSpec& spec : commandTable()) {
        QAction* a = action(spec.id);
        a->setText(texts_.entry(spec.caption));
        if (spec.toolTip) a->setToolTip(texts_.entry(spec.toolTip));
    }
    for (const auto& [button, spec] : std::as_const(buttons_))
        if (button) captionButton(button, *spec);
    refresh();
}

}  // namespace vireo
