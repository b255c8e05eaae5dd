#include "ui/show_commands.h"

#include <QAction>

#include "session/editing_session.h"
#include "show/compaction_summary.h"
#include "ui/dialogs/compact_dialog.h"
#include "ui/dialogs/fit_dialog.h"
#include "ui/dialogs/pattern_dialog.h"
#include "ui/window_commands.h"

namespace vireo {

ShowCommands::ShowCommands(EditingSession& session, const LanguageTable& texts,
                           WindowCommands& commands, QWidget* window)
    : QObject(window), session_(session), texts_(texts), window_(window) {
    connect(commands.compact, &QAction::triggered, this, &ShowCommands::compact);
    connect(commands.makeItFit, &QAction::triggered, this, &ShowCommands::makeItFit);
    connect(commands.insertPattern, &QAction::triggered, this, &ShowCommands::insertPattern);
}

void ShowCommands::compact() {
    // The active sequence; the plan is made now and applied only as it was shown.
    const DocumentCompaction plan = session_.planCompaction(false);
    auto* dialog = new CompactDialog(compactionSummary(plan, texts_), texts_, window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, plan] { session_.applyCompaction(plan); });
    dialog->open();
}

void ShowCommands::makeItFit() {
    session_.stopPlayback();
    auto* dialog = new FitDialog(texts_, session_.setup(), session_.activeSequence(), window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPlan(session_.planFit(false));
    connect(dialog, &FitDialog::dropsWanted, dialog,
            [this, dialog] { dialog->setPlan(session_.planFit(true)); });
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { session_.applyFit(dialog->plan()); });
    dialog->open();
}

void ShowCommands::insertPattern() {
    // A running playback moves the selection, and with it the place the dialog names.
    session_.stopPlayback();
    auto* dialog = new PatternDialog(texts_, window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->showCar(session_.setup());
    dialog->setSymmetric(session_.symmetric());
    dialog->setTarget(
        PatternTarget{session_.document(), session_.activeSequence(), session_.activeSelection(),
                      session_.vehicleSettings().options(), session_.setup().modellnummer});
    if (lastPattern_) dialog->setChoice(*lastPattern_);
    // The choices come back the next time, whether the pattern was inserted or not.
    connect(dialog, &QDialog::finished, this, [this, dialog] { lastPattern_ = dialog->choice(); });
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { session_.insertPattern(dialog->choice()); });
    dialog->open();
}

}  // namespace vireo
