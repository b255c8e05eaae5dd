#include "ui/program_panel.h"

#include <QVBoxLayout>

#include "text/language.h"
#include "text/text_ids.h"
#include "ui/named_widgets.h"
#include "ui/window_commands.h"

namespace vireo {

ProgramPanel::ProgramPanel(WindowCommands& commands, QWidget* parent)
    : QGroupBox(QStringLiteral(" Programm"), parent) {
    setObjectName(QStringLiteral("Frame6"));
    auto* l = new QVBoxLayout(this);
    cmdExit_ = namedButton(this, QStringLiteral("cmdExit"), QStringLiteral("Beenden"));
    cmdBereiche_ =
        namedButton(this, QStringLiteral("cmdBereiche"), QStringLiteral("Bereiche anzeigen"));
    cmdBereiche_->setVisible(false);
    l->addWidget(cmdExit_);
    l->addWidget(cmdBereiche_);
    l->addStretch();
    WindowCommands::bind(cmdExit_, commands.exit);
    WindowCommands::bind(cmdBereiche_, commands.showAreas);
}

void ProgramPanel::applyLanguage(const LanguageTable& texts) {
    setTitle(texts.entry(text::FrameTitleFirst + 5));
    cmdExit_->setText(texts.entry(text::Exit));
}

void ProgramPanel::showDeveloperButtons(bool shown) {
    cmdBereiche_->setVisible(shown);
}

}  // namespace vireo
