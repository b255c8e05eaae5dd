#pragma once

#include <QString>
#include <array>
#include <optional>

#include "platform/settings_store.h"

namespace vireo {

// What the stored settings put into the controls at start. Every value that could not be
// taken (not a number where a number belongs, or out of the control's range) is left empty,
// so the control keeps its built-in state: a failing step is skipped and the next one runs.
struct StartupSettings {
    std::optional<int> port;          // serial port number for the port control
    QString portLabel;                // caption of labPort
    std::array<bool, 20> portTicks{};  // check marks of the menu items "Com 1".."Com 20"
    std::optional<bool> autoAppend;   // chkAuto of the properties and chkAutomatichWeiter
    std::optional<bool> activationArea;  // chkAktivierung
    std::optional<int> slider;        // sliderZeitein, 1..100
    QString options;                  // Optionen
    std::optional<int> welcomeHold;   // combBegrüßung list position 0..11
    std::optional<int> goodbyeHold;   // combVerabschiedung list position 0..11
    QString model;                    // Modell; empty when a command-line file brings the model
    bool firstStart = false;          // Erststart: no vehicle model was stored
};

// Reads the settings the main window loads at start. With a command-line file the stored
// model is not taken (the file brings its own).
StartupSettings loadStartupSettings(const SettingsStore& store, bool commandLineFile);

// Clears the stored language, vehicle model and options, so the next start behaves as a first
// start; every other setting keeps its value.
void clearStoredChoices(SettingsStore& store);

}  // namespace vireo
