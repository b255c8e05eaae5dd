// The sequence side of the main window: the two lists, appending and showing steps, the editing
// commands, loops, undo and playback. The rules live in sequence/ and simulation/; this file
// reads the widgets, calls the core and shows the result.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>

#include "app/main_window.h"
#include "app/sequence_list.h"
#include "sequence/loop_commands.h"
#include "sequence/step_commands.h"
#include "sequence/step_table.h"

namespace vireo {

void MainWindow::setUpTable() {
    connect(&editor_, &DocumentEditor::rowsChanged, this, &MainWindow::onRowsChanged);
    connect(&editor_, &DocumentEditor::documentReset, this, &MainWindow::onDocumentReset);

    connect(cmdWeiter_, &QPushButton::clicked, this, &MainWindow::appendStep);
    for (int s = 0; s < 2; ++s) {
        connect(optAufZu_[s], &QRadioButton::toggled, this, [this, s](bool on) {
            if (on) chooseSequence(s);
        });
        connect(list1_[s], &QTreeWidget::itemClicked, this, &MainWindow::showStep);
        connect(list1_[s], &QTreeWidget::customContextMenuRequested, this,
                &MainWindow::showTableMenu);
    }

    // "Ändern" acts on every activation: a click, Space or Enter on the focused button, or its
    // Alt letter.
    connect(cmdAendern_, &QPushButton::clicked, this, [this] {
        const Selection before = activeSelection();
        runEdit(before, changeRows(editor_.sequence(activeSequence_), before,
                                   sliderZeitein_->value(), lampen_));
    });
    connect(cmdEinfuegen_, &QPushButton::clicked, this, [this] {
        const Selection before = activeSelection();
        EditContext ctx = editContext();
        runEdit(before,
                insertRow(editor_.sequence(activeSequence_), before, sliderZeitein_->value(), ctx));
    });
    connect(cmdLoeschen_, &QPushButton::clicked, this, [this] {
        const Selection before = activeSelection();
        EditContext ctx = editContext();
        runEdit(before, deleteRows(editor_.sequence(activeSequence_), before, ctx));
    });
    connect(cmdSchleife_, &QPushButton::clicked, this, [this] {
        const Selection before = activeSelection();
        EditContext ctx = editContext();
        runEdit(before, createLoop(editor_.sequence(activeSequence_), before, ctx));
    });
    connect(cmdSchleifeL_, &QPushButton::clicked, this, [this] {
        const Selection before = activeSelection();
        runEdit(before, deleteLoop(editor_.sequence(activeSequence_), before));
    });

    connect(listMenu_[1], &QAction::triggered, this, [this] {
        EditContext ctx = editContext();
        copyRows(editor_.sequence(activeSequence_), activeSelection(), copyBuffer_, ctx);
    });
    connect(listMenu_[2], &QAction::triggered, this, [this] {
        const Selection before = activeSelection();
        EditContext ctx = editContext();
        runEdit(before, cutRows(editor_.sequence(activeSequence_), before, copyBuffer_, ctx));
    });
    connect(listMenu_[3], &QAction::triggered, this, [this] {
        const Selection before = activeSelection();
        EditContext ctx = editContext();
        runEdit(before, pasteRows(editor_.sequence(activeSequence_), before, copyBuffer_, ctx));
    });
    connect(listMenu_[4], &QAction::triggered, this, [this] {
        const Selection before = activeSelection();
        EditContext ctx = editContext();
        runEdit(before,
                pasteRowsAtEnd(editor_.sequence(activeSequence_), before, copyBuffer_, ctx));
    });

    // Undo and redo of every change to the rows, with the platform's usual shortcuts.
    menuEdit_ = new QMenu(this);
    menuEdit_->setObjectName(QStringLiteral("Bearbeiten"));
    menuBar()->insertMenu(menuConnect_->menuAction(), menuEdit_);
    QUndoStack* stack = editor_.undoStack();
    undo_ = new QAction(menuEdit_);
    undo_->setObjectName(QStringLiteral("Undo"));
    undo_->setShortcuts(QKeySequence::Undo);
    redo_ = new QAction(menuEdit_);
    redo_->setObjectName(QStringLiteral("Redo"));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QAction::triggered, stack, &QUndoStack::undo);
    connect(redo_, &QAction::triggered, stack, &QUndoStack::redo);
    connect(stack, &QUndoStack::indexChanged, this, &MainWindow::updateUndoCaptions);
    connect(stack, &QUndoStack::cleanChanged, this, &MainWindow::updateUndoCaptions);
    // "Zeile(n) löschen" with the platform's Delete key, as the button does it.
    deleteRows_ = new QAction(menuEdit_);
    deleteRows_->setObjectName(QStringLiteral("Zeilen_Loeschen"));
    deleteRows_->setShortcut(QKeySequence::Delete);
    connect(deleteRows_, &QAction::triggered, cmdLoeschen_, &QPushButton::click);
    // Copy, cut and paste of the table's context menu, with the platform's usual shortcuts.
    const QKeySequence::StandardKey clipboardKeys[4] = {
        QKeySequence::UnknownKey, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste};
    const char* const clipboardNames[4] = {"", "Kopieren", "Ausschneiden", "Einfuegen"};
    for (int item = 1; item <= 3; ++item) {
        clipboardActions_[item] = new QAction(menuEdit_);
        clipboardActions_[item]->setObjectName(QString::fromLatin1(clipboardNames[item]));
        clipboardActions_[item]->setShortcuts(clipboardKeys[item]);
        connect(clipboardActions_[item], &QAction::triggered, this,
                [this, item] { runTableCommand(item); });
    }
    const auto refresh = [this] { refreshClipboardActions(); };
    connect(&editor_, &DocumentEditor::rowsChanged, this, refresh);
    connect(&editor_, &DocumentEditor::documentReset, this, refresh);
    connect(listMenu_[1], &QAction::triggered, this, refresh);
    connect(listMenu_[2], &QAction::triggered, this, refresh);
    updateUndoCaptions();
    menuEdit_->addAction(undo_);
    menuEdit_->addAction(redo_);
    menuEdit_->addSeparator();
    for (int item = 1; item <= 3; ++item) menuEdit_->addAction(clipboardActions_[item]);
    menuEdit_->addAction(deleteRows_);
    refreshClipboardActions();

    connect(cmdSilulation_, &QPushButton::clicked, this, [this] {
        runPlayback(playback_.pressPlayFromStart(editor_.sequence(activeSequence_)));
    });
    connect(cmdSimWeiter_, &QPushButton::clicked, this, [this] {
        runPlayback(
            playback_.pressPlayFromHere(editor_.sequence(activeSequence_), activeSelection()));
    });
    timerE_->setTimerType(Qt::PreciseTimer);
    connect(timerE_, &QTimer::timeout, this, [this] { runPlayback(playback_.tick()); });
}

void MainWindow::updateUndoCaptions() {
    // Captions in the current language, naming the step they undo or redo.
    const QUndoStack* stack = editor_.undoStack();
    const auto caption = [](const QString& verb, const QString& step) {
        return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
    };
    undo_->setText(caption(texts_.entry(214), stack->undoText()));
    undo_->setEnabled(stack->canUndo());
    redo_->setText(caption(texts_.entry(215), stack->redoText()));
    redo_->setEnabled(stack->canRedo());
    deleteRows_->setText(texts_.entry(25));
    for (int item = 1; item <= 3; ++item) clipboardActions_[item]->setText(texts_.entry(15 + item));
}

Selection MainWindow::activeSelection() const {
    return selectionOf(activeList());
}

EditContext MainWindow::editContext() {
    return EditContext{*context_.prompter, texts_};
}

void MainWindow::runEdit(const Selection& before, const std::optional<EditOutcome>& outcome) {
    if (!outcome) return;
    // A command that leaves the rows as they were still sets the selection (a loop that was
    // not created deselects what it walked over).
    if (!commitEdit(editor_, activeSequence_, before, *outcome, texts_))
        selectRows(activeList(), outcome->selection);
    if (outcome->lampsOff) lichtAus();
}

void MainWindow::appendStep() {
    const Selection before = activeSelection();
    EditContext ctx = editContext();
    runEdit(before, vireo::appendStep(editor_.sequence(activeSequence_), before,
                                      sliderZeitein_->value(), lampen_, ctx));
}

void MainWindow::showStep() {
    const int row = shownRow(editor_.sequence(activeSequence_), activeSelection());
    if (row < 0) return;
    updateOnTimeLabel();
    showRowLamps(row);
}

void MainWindow::showRowLamps(int row) {
    const Sequence& rows = editor_.sequence(activeSequence_);
    if (row < 0 || row >= rows.size()) return;
    labPos_->setText(positionText(row));
    lampen_ = rows[row].lamps;
    for (int corner : kLichtAusOrder) drawCorner(corner);
    lampEditor_.forgetArea();
}

void MainWindow::chooseSequence(int s) {
    stopPlayback();
    activeSequence_ = s;
    lists_->setCurrentIndex(s);
    refreshClipboardActions();
}

void MainWindow::onRowsChanged(int s, const Selection& selection) {
    // The commands edit the shown sequence; a change to the other one comes from undo or redo,
    // and the user is shown the sequence that changed.
    if (s != activeSequence_) optAufZu_[s]->setChecked(true);
    if (s == activeSequence_) stopPlayback();
    showRows(list1_[s], editor_.sequence(s));
    selectRows(list1_[s], selection);
}

void MainWindow::onDocumentReset() {
    stopPlayback();
    for (int s = 0; s < 2; ++s) {
        showRows(list1_[s], editor_.sequence(s));
        selectRows(list1_[s], Selection{});
    }
}

void MainWindow::runTableCommand(int item) {
    // Only what the context menu would offer now: its state is decided once, in the core.
    const TableMenuState state =
        tableMenuState(editor_.sequence(activeSequence_).size(), copyBuffer_);
    const bool enabled[4] = {false, state.copyEnabled, state.cutEnabled, state.pasteEnabled};
    if (!state.shown || !enabled[item]) return;
    listMenu_[item]->setEnabled(true);  // the menu sets it again whenever it opens
    listMenu_[item]->trigger();
}

void MainWindow::refreshClipboardActions() {
    const TableMenuState state =
        tableMenuState(editor_.sequence(activeSequence_).size(), copyBuffer_);
    clipboardActions_[1]->setEnabled(state.shown && state.copyEnabled);
    clipboardActions_[2]->setEnabled(state.shown && state.cutEnabled);
    clipboardActions_[3]->setEnabled(state.shown && state.pasteEnabled);
}

void MainWindow::showTableMenu(const QPoint& pos) {
    const TableMenuState state =
        tableMenuState(editor_.sequence(activeSequence_).size(), copyBuffer_);
    if (!state.shown) return;
    listMenu_[1]->setEnabled(state.copyEnabled);
    listMenu_[2]->setEnabled(state.cutEnabled);
    listMenu_[3]->setEnabled(state.pasteEnabled);
    listMenu_[4]->setEnabled(state.pasteAtEndEnabled);
    tabelle_->popup(activeList()->viewport()->mapToGlobal(pos));
}

void MainWindow::stopPlayback() {
    if (playback_.isRunning()) runPlayback(playback_.stop());
}

void MainWindow::runPlayback(const PlaybackActions& actions) {
    QTreeWidget* list = activeList();
    for (const PlaybackAction& a : actions) {
        switch (a.kind) {
            case PlaybackAction::Kind::SetCaptions:
                cmdSilulation_->setText(a.text);
                cmdSimWeiter_->setText(a.text2);
                break;
            case PlaybackAction::Kind::LampsOff:
                lichtAus();
                break;
            case PlaybackAction::Kind::Pause: {
                const int run = playback_.runNumber();
                QApplication::processEvents();
                context_.clock->wait(a.ms);
                // The pause may have been ended by a stop, or a new run started during it; the
                // machine then answers nothing.
                runPlayback(playback_.endPause(run));
                break;
            }
            case PlaybackAction::Kind::SelectRow:
                setRowSelected(list, a.row, true);
                break;
            case PlaybackAction::Kind::DeselectRow:
                setRowSelected(list, a.row, false);
                break;
            case PlaybackAction::Kind::DeselectAll:
                selectRows(list, Selection{});
                break;
            case PlaybackAction::Kind::ShowRow:
                showRowLamps(a.row);
                break;
            case PlaybackAction::Kind::StartTimer:
                timerE_->start(a.ms);
                break;
            case PlaybackAction::Kind::StopTimer:
                timerE_->stop();
                break;
        }
    }
}

}  // namespace vireo
