#include "ui/dialogs/frm_eigenschaften.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/settings_keys.h"
#include "config/startup_settings.h"
#include "platform/settings_store.h"
#include "sequence/edit_outcome.h"
#include "text/language.h"
#include "text/number_text.h"
#include "text/text_ids.h"
#include "ui/access_letters.h"

namespace vireo {

namespace {

QString settingText(bool ticked) {
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

FrmEigenschaften::FrmEigenschaften(SettingsStore& settings, RegisterCallback registerFileType,
                                   QWidget* parent)
    : QDialog(parent), settings_(settings), registerFileType_(std::move(registerFileType)) {
    setObjectName(QStringLiteral("frmEigenschaften"));
    setModal(true);

    chkAuto_ = new QCheckBox(this);
    chkAuto_->setObjectName(QStringLiteral("chkAuto"));
    chkAktivierung_ = new QCheckBox(this);
    chkAktivierung_->setObjectName(QStringLiteral("chkAktivierung"));
    chkAktivierung_->setChecked(true);
    cmdRegistry_ = new QPushButton(this);
    cmdRegistry_->setObjectName(QStringLiteral("cmdRegistry"));
    cmdRegistry_->setAutoDefault(false);
    cmdOK_ = new QPushButton(this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdOK_->setMinimumWidth(96);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRegistry_);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    auto* page = new QVBoxLayout(this);
    page->setSpacing(10);
    page->addWidget(chkAuto_);
    page->addWidget(chkAktivierung_);
    page->addSpacing(8);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
    applyCaptions(LanguageTable::builtIn());

    connect(chkAuto_, &QCheckBox::toggled, this, [this](bool on) {
        if (!loading_) settings_.write(settings_keys::kAutoProperty, settingText(on));
    });
    connect(chkAktivierung_, &QCheckBox::toggled, this, [this](bool on) {
        if (!loading_) settings_.write(settings_keys::kActivationArea, settingText(on));
    });
    connect(cmdRegistry_, &QPushButton::clicked, this, [this] {
        if (registerFileType_) registerFileType_();
    });
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmEigenschaften::showSettings(const StartupSettings& stored) {
    loading_ = true;
    if (stored.autoAppend) chkAuto_->setChecked(*stored.autoAppend);
    if (stored.activationArea) chkAktivierung_->setChecked(*stored.activationArea);
    loading_ = false;
}

bool FrmEigenschaften::activationArea() const {
    return chkAktivierung_->isChecked();
}

void FrmEigenschaften::applyCaptions(const LanguageTable& table) {
    cmdRegistry_->setText(table.entry(text::RegisterExtension));
    cmdOK_->setText(table.entry(text::Ok));
    chkAuto_->setText(table.entry(text::AutoAppendAtStart));
    chkAktivierung_->setText(table.entry(text::ShowActivationArea));
    setWindowTitle(undoStepText(table, text::Properties));
    markAccessLetters(*this);
}

}  // namespace vireo
