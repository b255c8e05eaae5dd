#include "ui/program_panel.h"

#include <QVBoxLayout>

#include "text/language.h"
#include "text/text_ids.h"
#include "ui/named_widgets.h"
#include "ui/window_commands.h"

namespace vireo {

ProgramPanel::ProgramPanel(WindowCommands& commands, QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame6"));
    auto* l = new QVBoxLayout(this);
    cmdExit_ = namedButton(this, QStringLiteral("cmdExit"), QString());
    cmdBereiche_ = namedButton(this, QStringLiteral("cmdBereiche"), QString());
    cmdBereiche_->setVisible(false);
    l->addWidget(cmdExit_);
    l->addWidget(cmdBereiche_);
    l->addStretch();
    commands.bindButtons(this);
    applyLanguage(LanguageTable::builtIn());
}

void ProgramPanel::applyLanguage(const LanguageTable& texts) {
    setTitle(texts.entry(text::FrameTitleFirst + 5));
}

void ProgramPanel::showDeveloperButtons(bool shown) {
    cmdBereiche_->setVisible(shown);
}

}  // namespace vireo
