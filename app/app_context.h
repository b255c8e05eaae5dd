#pragma once

#include <QString>

#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace vireo {

// What the windows are given from outside: the seams and the start-up facts.
struct AppContext {
    SettingsStore* settings = nullptr;
    Prompter* prompter = nullptr;
    Clock* clock = nullptr;
    QString language;     // Sprache as the start-up routine settled it
    QString commandLine;  // the whole command-line text, taken as the path of a .kvs file
};

}  // namespace vireo
