#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QTextStream>
#include <QTimer>

#include "app/editor_command_line.h"
#include "app/language_chooser.h"
#include "app/qt_prompter.h"
#include "app/splash_window.h"
#include "config/settings_keys.h"
#include "platform/app_info.h"
#include "platform/embedded_resources.h"
#include "platform/program_folder.h"
#include "session/window_recovery.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/dialogs/recovery_dialog.h"
#include "ui/main_window.h"

namespace vireo {

namespace {
constexpr int kMaxChooserLanguages = 20;
}

std::optional<QString> askLanguage(const QStringList& languages) {
    LanguageChooser chooser(languages);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return chooser.language();
}

std::unique_ptr<MainWindow> StartupFlow::start() {
    context.language = context.settings->read(settings_keys::kLanguage);
    if (context.language.isEmpty()) {
        const QStringList languages = listLanguages(programFolder()).mid(0, kMaxChooserLanguages);
        const auto chosen = chooseLanguage(languages);
        if (!chosen) return nullptr;
        context.language = *chosen;
        context.settings->write(settings_keys::kLanguage, context.language);
    }

    // The splash lives until its minimum time is over, painted by the event loop meanwhile; the
    // main window shows after it.
    LanguageTable splashTexts;
    splashTexts.load(programFolder(), context.language);
    auto* splash = new SplashWindow(splashTexts);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();

    auto window = std::make_unique<MainWindow>(context);
    MainWindow* main = window.get();
    Prompter* prompter = context.prompter;
    window->load(splash, [main, shown = onShown, prompter] {
        main->show();
        // The window takes the keyboard at once, so Alt and a menu's letter open it before any
        // click (the splash had the keyboard, and no window manager hands it on by itself).
        main->raise();
        main->activateWindow();
        offerRecovery(main->recovery(), main->texts(), *prompter, main);
        if (shown) shown(*main);
    });
    return window;
}

void offerRecovery(WindowRecovery& recovery, const LanguageTable& texts, Prompter& prompter,
                   QWidget* parent) {
    const RecoveryStore::Scan offer = recovery.entriesToOffer();
    if (!offer.damaged.isEmpty())
        prompter.message(recovery.damagedText(offer.damaged), texts.entry(text::RecoveryTitle),
                         PromptIcon::Warning);
    if (offer.entries.isEmpty()) return;
    auto* dialog = new RecoveryDialog(recovery, offer.entries, texts, prompter, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

int runStartup(QApplication& app) {
    ensureEmbeddedResources();
    QApplication::setApplicationName(kAppTitle);
    QApplication::setOrganizationName(kCompany);
    QApplication::setApplicationVersion(versionText());
    // Ties the windows to the installed desktop entry (its name and icon on Wayland docks).
    QGuiApplication::setDesktopFileName(QStringLiteral("vireo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vireo.svg")));

    static QSettingsStore settings;
    static QtPrompter prompter;
    StartupFlow flow;
    flow.context.settings = &settings;
    flow.context.prompter = &prompter;
    flow.context.clock = &systemClock();
    flow.context.commandLine = commandLinePath(app.arguments());
    flow.chooseLanguage = askLanguage;

    QElapsedTimer sinceStart;
    sinceStart.start();
    // For measuring start-up: report the time to the shown (and painted) main window and end.
    if (qEnvironmentVariableIsSet("VIREO_STARTUP_REPORT")) {
        flow.onShown = [&sinceStart](MainWindow& shown) {
            QTimer::singleShot(0, &shown, [&sinceStart, &shown] {
                QTextStream(stdout) << "main window shown after " << sinceStart.elapsed()
                                    << " ms, splash minimum " << shown.splashMinimumMs() << " ms\n";
                QCoreApplication::quit();
            });
        };
    }
    std::unique_ptr<MainWindow> window = flow.start();
    if (!window) return 0;
    prompter.setParent(window.get());
    return app.exec();
}

}  // namespace vireo
