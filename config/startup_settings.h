#pragma once

#include <QString>
#include <QVector>
#include <array>
#include <optional>

#include "platform/settings_store.h"

namespace vireo {

class LanguageTable;

// A stored value that was not valid and what replaces it.
struct SettingCorrection {
    QString key;
    QString stored;
    QString replacement;
    bool operator==(const SettingCorrection&) const = default;
};

// What the stored settings put into the controls at start. Every value that could not be
// taken (not a number where a number belongs, or out of the control's range) is left empty,
// so the control keeps its built-in state: a failing step is skipped and the next one runs.
struct StartupSettings {
    std::optional<int> port;             // serial port number for the port control
    QString portLabel;                   // caption of labPort
    std::array<bool, 20> portTicks{};    // check marks of the menu items "Com 1".."Com 20"
    std::optional<bool> autoAppend;      // chkAuto of the properties and chkAutomatichWeiter
    std::optional<bool> activationArea;  // chkAktivierung
    std::optional<int> slider;           // sliderZeitein, 1..100
    QString options;                     // Optionen: 20 characters "0"/"1"
    std::optional<int> welcomeHold;      // combBegrüßung list position 0..11
    std::optional<int> goodbyeHold;      // combVerabschiedung list position 0..11
    QString model;                       // Modell: the stored model, or the default
    bool firstStart = false;             // Erststart: no vehicle model was stored
    // Stored vehicle values that were not valid and were replaced (model code, option string).
    QVector<SettingCorrection> corrections;
};

// The serial port a stored "Lampen_Port" names: its number value when that is a port 1..20,
// nothing otherwise (empty, not a number, out of range). The port label, the check mark of the
// port menu and the port the link opens all follow it; without a port, port 1 is used and no
// menu item is ticked.
std::optional<int> portNumberFromSetting(const QString& stored);

// A stored option string made valid: every character other than "0"/"1" becomes "0", and the
// text is padded with "0" or cut to its 20 characters.
QString validOptionString(const QString& stored);

// Reads the settings the main window loads at start. The stored model code and option string
// are checked as they are read: a model code the catalogue does not know gives the default, an
// option string is made valid, and each replacement is listed in `corrections`.
StartupSettings loadStartupSettings(const SettingsStore& store);

// Writes the replacements back, so that the user is told about them once.
void storeCorrections(SettingsStore& store, const QVector<SettingCorrection>& corrections);

// The message that tells the user which stored values were replaced.
QString correctionsMessage(const QVector<SettingCorrection>& corrections,
                           const LanguageTable& texts);

// Clears the stored language, vehicle model and options, so the next start behaves as a first
// start; every other setting keeps its value.
void clearStoredChoices(SettingsStore& store);

}  // namespace vireo
