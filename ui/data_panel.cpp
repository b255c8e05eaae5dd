#include "ui/data_panel.h"

#include <QProgressBar>
#include <QVBoxLayout>

#include "text/language.h"
#include "text/text_ids.h"
#include "ui/named_widgets.h"
#include "ui/window_commands.h"

namespace vireo {

DataPanel::DataPanel(WindowCommands& commands, QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame5"));
    auto* l = new QVBoxLayout(this);
    cmdSpeicherbedarf_ = namedButton(this, QStringLiteral("cmdSpeicherbedarf"), QString());
    cmdDaten_ = namedButton(this, QStringLiteral("cmdDaten"), QString());
    sendProgress_ = new QProgressBar(this);
    sendProgress_->setObjectName(QStringLiteral("Send_Progress"));
    sendProgress_->setValue(0);
    sendProgress_->setTextVisible(false);
    sendProgress_->setMaximumHeight(10);
    l->addWidget(cmdSpeicherbedarf_);
    l->addWidget(cmdDaten_);
    l->addWidget(sendProgress_);
    commands.bindButtons(this);
    applyLanguage(LanguageTable::builtIn());
}

void DataPanel::applyLanguage(const LanguageTable& texts) {
    setTitle(texts.entry(text::FrameTitleFirst + 4));
}

void DataPanel::showProgress(int value, int maximum) {
    sendProgress_->setMaximum(maximum);
    sendProgress_->setValue(value);
}

}  // namespace vireo
