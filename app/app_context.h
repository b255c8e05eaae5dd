#pragma once

#include <QString>
#include <functional>

class QDialog;

#include "desktop/url_opener.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace vireo {

// What the windows are given from outside: the seams and the start-up facts.
struct AppContext {
    SettingsStore* settings = nullptr;
    Prompter* prompter = nullptr;
    Clock* clock = nullptr;
    UrlOpener* opener = nullptr;  // links, help and documents; the desktop's when null
    // Shows a dialog modally and returns its result; tests answer dialogs through it.
    std::function<int(QDialog&)> execDialog;
    QString xdgDataFolder;  // where file types are registered on Linux; the user's when empty
    QString dataFolder;     // recovery entries and earlier versions; the user's when empty
    QString language;       // Sprache as the start-up routine settled it
    QString commandLine;    // the whole command-line text, taken as the path of a .kvs file
};

}  // namespace vireo
