#include "ui/dialogs/compact_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "sequence/edit_outcome.h"
#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

CompactDialog::CompactDialog(const CompactionSummary& summary, const LanguageTable& texts,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("compactDialog"));
    setWindowTitle(undoStepText(texts, text::CompactSequence));
    setModal(true);

    text_ = new QLabel(summary.lines.join(QLatin1Char('\n')), this);
    text_->setObjectName(QStringLiteral("compactText"));
    text_->setTextFormat(Qt::PlainText);

    ok_ = new QPushButton(texts.entry(text::Ok), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    ok_->setMinimumWidth(96);
    connect(ok_, &QPushButton::clicked, this,
            summary.canApply ? &QDialog::accept : &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    // With nothing to apply there is nothing to cancel: OK only closes.
    if (summary.canApply) {
        cancel_ = new QPushButton(texts.entry(text::Cancel), this);
        cancel_->setObjectName(QStringLiteral("cmdCancel"));
        cancel_->setMinimumWidth(96);
        connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(cancel_);
    }

    auto* column = new QVBoxLayout(this);
    column->addWidget(text_);
    column->addLayout(buttons);
}

}  // namespace vireo
