#include "ui/dialogs/earlier_versions_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "sequence/edit_outcome.h"
#include "session/window_recovery.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/access_letters.h"

namespace vireo {

EarlierVersionsDialog::EarlierVersionsDialog(WindowRecovery& recovery, const LanguageTable& texts,
                                             QWidget* parent)
    : QDialog(parent), recovery_(recovery), versions_(recovery.earlierVersions()) {
    setObjectName(QStringLiteral("frmEarlierVersions"));
    // The menu item's text without its ellipsis.
    QString title = withoutAccessLetter(texts.entry(text::EarlierVersions));
    if (title.endsWith(QChar(0x2026))) title.chop(1);
    setWindowTitle(title);
    setModal(true);

    auto* heading = new QLabel(recovery_.earlierVersionsHeading(), this);
    heading->setObjectName(QStringLiteral("labHeading"));
    heading->setWordWrap(true);
    lstVersions_ = new QListWidget(this);
    lstVersions_->setObjectName(QStringLiteral("lstVersions"));
    lstVersions_->setMinimumWidth(420);
    // Newest first: the first line is marked as the newest.
    for (qsizetype i = 0; i < versions_.size(); ++i)
        lstVersions_->addItem(recovery_.versionLine(versions_[i], i == 0));
    lstVersions_->setCurrentRow(versions_.isEmpty() ? -1 : 0);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open =
        buttons->addButton(texts.entry(text::OpenVersionAsNew), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("cmdOpen"));
    open->setDefault(true);
    open->setEnabled(!versions_.isEmpty());
    QPushButton* cancel =
        buttons->addButton(texts.entry(text::Cancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(open, &QPushButton::clicked, this, &EarlierVersionsDialog::openChosen);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstVersions_, &QListWidget::itemDoubleClicked, this,
            &EarlierVersionsDialog::openChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(lstVersions_);
    layout->addWidget(buttons);
    markAccessLetters(*this);
}

void EarlierVersionsDialog::openChosen() {
    const int row = lstVersions_->currentRow();
    if (row < 0 || row >= versions_.size()) return;
    if (recovery_.openEarlierVersion(versions_[row])) accept();
}

}  // namespace vireo
