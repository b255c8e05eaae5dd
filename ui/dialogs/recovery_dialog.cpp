#include "ui/dialogs/recovery_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompter.h"
#include "session/window_recovery.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/access_letters.h"

namespace vireo {

RecoveryDialog::RecoveryDialog(WindowRecovery& recovery, QList<RecoveryEntry> entries,
                               const LanguageTable& texts, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      recovery_(recovery),
      entries_(std::move(entries)),
      texts_(texts),
      prompter_(prompter) {
    setObjectName(QStringLiteral("frmRecovery"));
    setWindowTitle(texts_.entry(text::RecoveryTitle));
    setModal(true);

    auto* intro = new QLabel(texts_.entry(text::RecoveryIntro), this);
    intro->setObjectName(QStringLiteral("labIntro"));
    intro->setWordWrap(true);
    lstEntries_ = new QListWidget(this);
    lstEntries_->setObjectName(QStringLiteral("lstEntries"));
    lstEntries_->setMinimumWidth(560);

    auto* buttons = new QDialogButtonBox(this);
    cmdRestore_ =
        buttons->addButton(texts_.entry(text::RecoveryRestore), QDialogButtonBox::AcceptRole);
    cmdRestore_->setObjectName(QStringLiteral("cmdRestore"));
    cmdRestore_->setDefault(true);
    cmdDiscard_ =
        buttons->addButton(texts_.entry(text::RecoveryDiscard), QDialogButtonBox::DestructiveRole);
    cmdDiscard_->setObjectName(QStringLiteral("cmdDiscard"));
    QPushButton* later =
        buttons->addButton(texts_.entry(text::RecoveryLater), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("cmdLater"));
    connect(cmdRestore_, &QPushButton::clicked, this, &RecoveryDialog::restoreChosen);
    connect(cmdDiscard_, &QPushButton::clicked, this, &RecoveryDialog::discardChosen);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstEntries_, &QListWidget::itemDoubleClicked, this, &RecoveryDialog::restoreChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(lstEntries_);
    layout->addWidget(buttons);
    fillList();
    markAccessLetters(*this);
}

void RecoveryDialog::fillList() {
    lstEntries_->clear();
    for (const RecoveryEntry& entry : entries_) lstEntries_->addItem(recovery_.entryLine(entry));
    // The newest first in view: it is the likeliest to be wanted.
    lstEntries_->setCurrentRow(int(entries_.size()) - 1);
    cmdRestore_->setEnabled(!entries_.isEmpty());
    cmdDiscard_->setEnabled(!entries_.isEmpty());
}

void RecoveryDialog::restoreChosen() {
    const int row = lstEntries_->currentRow();
    if (row < 0 || row >= entries_.size()) return;
    if (recovery_.restore(entries_[row])) accept();
}

void RecoveryDialog::discardChosen() {
    const int row = lstEntries_->currentRow();
    if (row < 0 || row >= entries_.size()) return;
    const RecoveryEntry& entry = entries_[row];
    if (!prompter_.question(
            texts_.entry(text::RecoveryDiscardQuestion).arg(recovery_.entryName(entry)),
            texts_.entry(text::RecoveryTitle)))
        return;
    recovery_.discard(entry);
    entries_.removeAt(row);
    if (entries_.isEmpty()) {
        reject();
        return;
    }
    fillList();
}

}  // namespace vireo
