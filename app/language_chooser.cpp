#include "app/language_chooser.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/app_info.h"
#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

LanguageChooser::LanguageChooser(const QStringList& languages, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLanguage"));
    setWindowTitle(kAppTitle);
    auto* layout = new QVBoxLayout(this);
    // No language is chosen yet: the built-in table's texts.
    const LanguageTable& texts = LanguageTable::builtIn();
    auto* label = new QLabel(texts.entry(text::ChooseLanguage), this);
    comLanguage_ = new QComboBox(this);
    comLanguage_->setObjectName(QStringLiteral("comLanguage"));
    comLanguage_->addItems(languages);
    // The text reads "Deutsch" until the user picks another language.
    const int german = languages.indexOf(QStringLiteral("Deutsch"));
    if (german >= 0) comLanguage_->setCurrentIndex(german);
    auto* ok = new QPushButton(texts.entry(text::Ok), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(label);
    layout->addWidget(comLanguage_);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setMinimumWidth(280);
}

QString LanguageChooser::language() const {
    return comLanguage_->currentText().isEmpty() ? QStringLiteral("Deutsch")
                                                 : comLanguage_->currentText();
}

}  // namespace vireo
