// The table's commands in the menus: the context menu and the Edit menu share one action per
// command, with its enabled state decided in one place; undo and redo with their captions.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "text/text_ids.h"
#include "ui/main_window.h"

namespace vireo {

void MainWindow::setUpTable() {
    EditingSession* session = session_;
    // One action per table command, in the context menu and the Edit menu alike; copy, cut
    // and paste with the platform's usual shortcuts.
    connect(listMenu_[1], &QAction::triggered, session, &EditingSession::copyRows);
    connect(listMenu_[2], &QAction::triggered, session, &EditingSession::cutRows);
    connect(listMenu_[3], &QAction::triggered, session, &EditingSession::pasteRows);
    connect(listMenu_[4], &QAction::triggered, session, &EditingSession::pasteRowsAtEnd);
    listMenu_[1]->setShortcuts(QKeySequence::Copy);
    listMenu_[2]->setShortcuts(QKeySequence::Cut);
    listMenu_[3]->setShortcuts(QKeySequence::Paste);

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
    connect(undo_, &QAction::triggered, session, &EditingSession::undo);
    connect(redo_, &QAction::triggered, session, &EditingSession::redo);
    connect(stack, &QUndoStack::indexChanged, this, &MainWindow::updateUndoCaptions);
    connect(stack, &QUndoStack::cleanChanged, this, &MainWindow::updateUndoCaptions);
    // "Zeile(n) löschen" with the platform's Delete key.
    deleteRows_ = new QAction(menuEdit_);
    deleteRows_->setObjectName(QStringLiteral("Zeilen_Loeschen"));
    deleteRows_->setShortcut(QKeySequence::Delete);
    connect(deleteRows_, &QAction::triggered, session, &EditingSession::deleteRows);
    // The actions' enabled states follow everything they depend on, decided in one place.
    const auto refresh = [this] { refreshTableActions(); };
    connect(session, &EditingSession::rowsChanged, this, refresh);
    connect(session, &EditingSession::activeSequenceChanged, this, refresh);
    connect(session, &EditingSession::copyBufferChanged, this, refresh);
    updateUndoCaptions();
    menuEdit_->addAction(undo_);
    menuEdit_->addAction(redo_);
    menuEdit_->addSeparator();
    for (int item = 1; item <= 3; ++item) menuEdit_->addAction(listMenu_[item]);
    menuEdit_->addAction(deleteRows_);
    refreshTableActions();
}

void MainWindow::updateUndoCaptions() {
    // Captions in the current language, naming the step they undo or redo.
    const QUndoStack* stack = editor_.undoStack();
    const auto caption = [](const QString& verb, const QString& step) {
        return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
    };
    undo_->setText(caption(texts_.entry(text::Undo), stack->undoText()));
    undo_->setEnabled(stack->canUndo());
    redo_->setText(caption(texts_.entry(text::Redo), stack->redoText()));
    redo_->setEnabled(stack->canRedo());
    deleteRows_->setText(texts_.entry(text::DeleteRows));
}

void MainWindow::refreshTableActions() {
    // What the context menu offers; with no rows there is no menu, and nothing to act on.
    const TableMenuState state = session_->tableMenuState();
    listMenu_[1]->setEnabled(state.shown && state.copyEnabled);
    listMenu_[2]->setEnabled(state.shown && state.cutEnabled);
    listMenu_[3]->setEnabled(state.shown && state.pasteEnabled);
    listMenu_[4]->setEnabled(state.shown && state.pasteAtEndEnabled);
}

void MainWindow::showTableMenu(const QPoint& globalPos) {
    if (!session_->tableMenuState().shown) return;
    tabelle_->popup(globalPos);
}

}  // namespace vireo
