#include "ui/dialogs/fit_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "sequence/edit_outcome.h"
#include "show/fit_summary.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/access_letters.h"
#include "ui/dialogs/show_preview.h"

namespace vireo {

FitDialog::FitDialog(const LanguageTable& texts, const VehicleSetup& setup, int sequence,
                     QWidget* parent)
    : QDialog(parent), texts_(texts), sequence_(sequence) {
    setObjectName(QStringLiteral("fitDialog"));
    setWindowTitle(texts.entry(text::MakeItFitTitle));
    setModal(true);

    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("fitFigures"));
    figures_->setTextFormat(Qt::PlainText);
    figures_->setWordWrap(true);
    changes_ = new QListWidget(this);
    changes_->setObjectName(QStringLiteral("fitChanges"));
    changes_->setAccessibleName(texts.entry(text::MakeItFitTitle));
    preview_ = new ShowPreview(this);
    preview_->setObjectName(QStringLiteral("fitPreview"));
    preview_->setAccessibleName(texts.entry(text::MakeItFitTitle));
    preview_->showCar(setup);

    apply_ = new QPushButton(texts.entry(text::FitApply), this);
    apply_->setObjectName(QStringLiteral("cmdApply"));
    apply_->setDefault(true);
    drop_ = new QPushButton(texts.entry(text::FitDropSteps), this);
    drop_->setObjectName(QStringLiteral("cmdDropSteps"));
    cancel_ = new QPushButton(texts.entry(text::Cancel), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* b : {apply_, drop_, cancel_}) b->setMinimumWidth(96);
    connect(apply_, &QPushButton::clicked, this, &QDialog::accept);
    connect(drop_, &QPushButton::clicked, this, &FitDialog::dropsWanted);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(drop_);
    buttons->addWidget(apply_);
    buttons->addWidget(cancel_);
    auto* top = new QHBoxLayout;
    auto* text = new QVBoxLayout;
    text->addWidget(figures_);
    text->addWidget(changes_, 1);
    top->addLayout(text, 1);
    top->addWidget(preview_, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addLayout(buttons);
    markAccessLetters(*this);
    resize(640, 360);
}

void FitDialog::setPlan(const ShowFit& plan) {
    plan_ = plan;
    const FitSummary summary = fitSummary(plan, texts_);
    figures_->setText(summary.figures.join(QLatin1Char('\n')));
    changes_->clear();
    changes_->addItems(summary.changes);
    changes_->setVisible(!summary.changes.isEmpty());
    apply_->setEnabled(summary.canApply);
    drop_->setVisible(summary.offerDrops);
    // The fitted show plays; where nothing fits, the show as it is.
    preview_->play(plan.document.sequences[sequence_]);
    if (summary.canApply)
        apply_->setFocus();
    else if (summary.offerDrops)
        drop_->setFocus();
    else
        cancel_->setFocus();
}

}  // namespace vireo
