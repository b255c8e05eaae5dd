#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "app/app_context.h"

class QApplication;
class QWidget;

namespace vireo {

class MainWindow;

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

int runStartup(QApplication& app);

}  // namespace vireo
