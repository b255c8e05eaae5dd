#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "app/app_context.h"

class QApplication;
class QWidget;

namespace vireo {

class LanguageTable;
class MainWindow;
class Prompter;
class WindowRecovery;

// The start-up routine: the language chooser when no language is stored, the splash, then the
// main window. The chooser is a function so tests can answer it.
struct StartupFlow {
    AppContext context;
    std::function<std::optional<QString>(const QStringList& languages)> chooseLanguage;
    // Runs when the main window shows, after the splash's minimum time.
    std::function<void(MainWindow&)> onShown;

    // Runs the flow up to the shown main window; nullptr when the user closed the chooser.
    std::unique_ptr<MainWindow> start();
};

// Chooses the language in frmLanguage; nullopt when the chooser was closed without OK.
std::optional<QString> askLanguage(const QStringList& languages);

// The recovery offer at start, once the main window shows (with or without a file named on the
// command line): a message names the damaged entries that were moved aside, then the documents of
// programs that ended without cleaning up are offered in the recovery dialog, which opens over
// `parent` without waiting. Does nothing when there is nothing to offer.
void offerRecovery(WindowRecovery& recovery, const LanguageTable& texts, Prompter& prompter,
                   QWidget* parent);

int runStartup(QApplication& app);

}  // namespace vireo
