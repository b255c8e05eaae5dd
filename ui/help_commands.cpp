#include "ui/help_commands.h"

#include <QAction>

#include "desktop/hyperlink.h"
#include "platform/app_info.h"
#include "platform/program_folder.h"
#include "session/module_controller.h"
#include "ui/dialogs/frm_info.h"
#include "ui/window_commands.h"

namespace vireo {

HelpCommands::HelpCommands(const AppContext& context, const LanguageTable& texts,
                           const QString& language, WindowCommands& commands, QWidget* window)
    : QObject(window),
      context_(context),
      texts_(texts),
      language_(language),
      window_(window),
      ownOpener_(context.opener ? nullptr : std::make_unique<DesktopUrlOpener>()),
      opener_(context.opener ? context.opener : ownOpener_.get()) {
    connect(commands.help, &QAction::triggered, this,
            [this] { openHelp(helpDocument(language_, programFolder())); });
    connect(commands.updateHelp, &QAction::triggered, this, [this] {
        const bool german = language_ == QLatin1String("Deutsch");
        openHelp(ModuleController::bootloaderHelp(programFolder(), german));
    });
    connect(commands.about, &QAction::triggered, this, &HelpCommands::showAbout);
}

HelpCommands::~HelpCommands() = default;

void HelpCommands::openHelp(const HelpDocument& help) {
    QString problem;
    if (!help.found())
        problem = missingHelpMessage(help, texts_);
    else if (!opener_->openDocument(help.path))
        problem = helpNotShownMessage(help, texts_);
    if (!problem.isEmpty()) context_.prompter->message(problem, kAppTitle, PromptIcon::Warning);
}

void HelpCommands::showAbout() {
    const auto open = [this](const QString& target) { Hyperlink_Open(target, *opener_); };
    FrmInfo about(texts_, open, *context_.clock, window_);
    context_.execDialog(about);
}

}  // namespace vireo
